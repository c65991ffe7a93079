#pragma once

#include "rtfcodepage.h"
#include "rtfspan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// An RTF document held as its source, with the plain text of its body paragraphs. Every text
// character remembers where it stands in the source, so writing a letter patches the source in place
// and saving keeps every bit of formatting. Each paragraph of a header, footer or footnote is a
// paragraph of its own, after the body paragraph it is anchored in; each table cell ends a paragraph;
// a line break inside a paragraph (\line) reads as a space.
class TDRtfDocument {
public:
    // Parses RTF bytes; throws TDError when they are not an RTF document or are broken, and then
    // keeps what was loaded before.
    void Load(const QByteArray& rtf);
    // Reads and parses a file; throws TDError naming the file.
    void LoadFromFile(const QString& fileName);

    // The plain text of the body, one string per paragraph (formatting dropped).
    const QStringList& Lines() const { return fLines; }

    // Replaces the character at 0-based position pos of paragraph line by c, patching the source.
    // Throws TDError when the position is outside the text.
    void SetChar(int line, qsizetype pos, QChar c);

    // Every hyphen-minus with a space directly before and after it becomes an em dash (U+2014), in
    // the text and in the source. A no-break space counts as a space. Returns the number of dashes written.
    int ApplyDashRule();

    // The RTF source with every change.
    QByteArray ToBytes() const;

private:
    // A change of the source: Length bytes from where a character starts give way to Bytes.
    struct Patch {
        qsizetype Length = 0;
        QByteArray Bytes;
    };

    QByteArray Spell(const TDRtfSpan& span, QChar c) const;

    QByteArray fSource; // as loaded; changes live in fPatches until ToBytes()
    QStringList fLines;
    QStringList fOriginalLines;                 // the text as loaded
    std::vector<std::vector<TDRtfSpan>> fSpans; // where each character of each line stands in fSource
    std::vector<TDRtfCodePage> fCodePages;      // the code pages the spans point into
    std::map<qsizetype, Patch> fPatches;        // by the offset of the character they replace
};

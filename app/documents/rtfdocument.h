#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// An RTF document held as its source, with the plain text of its body paragraphs. Every text
// character remembers where it stands in the source, so writing a letter patches the source in place
// and saving keeps every bit of formatting.
class TDRtfDocument {
public:
    // Parses RTF bytes; throws TDError when they are not an RTF document.
    void Load(const QByteArray& rtf);
    // Reads and parses a file; throws TDError naming the file.
    void LoadFromFile(const QString& fileName);

    // The plain text of the body, one string per paragraph (formatting dropped).
    const QStringList& Lines() const { return fLines; }

    // Replaces the character at 0-based position pos of paragraph line by c, patching the source.
    // Throws TDError when the position is outside the text.
    void SetChar(int line, qsizetype pos, QChar c);

    // Every hyphen-minus with a space directly before and after it becomes an em dash (U+2014), in
    // the text and in the source. Returns the number of dashes written.
    int ApplyDashRule();

    // The RTF source with every change.
    QByteArray ToBytes() const;

private:
    QByteArray fSource;
    QStringList fLines;
    // (implementation detail: where each character of each line stands in the source)
};

#pragma once

#include "rtfcodepage.h"
#include "rtfspan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <climits>
#include <map>
#include <vector>

// Reads the text out of an RTF source: the paragraphs of the body, and for each character where it
// stands in the source. Headers, footers and footnotes count as text too: each of their paragraphs
// becomes a paragraph of its own, placed after the body paragraph they are anchored in; each table
// cell ends a paragraph. Pictures, objects, field instructions, list numbers, comments and the
// document's tables (fonts, colours, styles...) are skipped. Groups are kept on a stack of their own, so
// nesting depth is limited only by memory.
class TDRtfReader {
public:
    explicit TDRtfReader(const QByteArray& source) : fSource(source) {}

    // Reads the whole source. Throws TDError naming the byte offset when the source is not RTF or
    // is broken (unbalanced braces, cut short).
    void Read();

    // The paragraphs read.
    QStringList& Lines() { return fLines; }
    // For each paragraph, where each of its characters stands in the source.
    std::vector<std::vector<TDRtfSpan>>& Spans() { return fSpans; }
    // The code pages that TDRtfSpan::CodePage points into.
    std::vector<TDRtfCodePage>& CodePages() { return fCodePages; }

private:
    // Where the text of a group goes.
    enum class Destination : quint8 {
        Body,    // the body text
        Side,    // a header, footer or footnote
        Fonts,   // the font table: read for the fonts' code pages only
        Skipped, // anything else that holds no text
    };

    // What a group sets for itself and the groups inside it.
    struct Group {
        Destination Dest = Destination::Body;
        quint8 SkipCount = 1; // \uc
        int Font = -1;        // \f; -1 for the default font
        bool Starred = false; // \* seen, the destination's control word not yet
    };

    // A paragraph being read.
    struct Paragraph {
        QString Text;
        std::vector<TDRtfSpan> Spans;
    };

    // A font of the font table: its code page from \cpg, else from \fcharset (0 when none).
    struct Font {
        int CodePage = 0;
        int CharsetCodePage = 0;
    };

    qsizetype FindStart() const;
    void ReadControlWord(qsizetype& i);
    void ReadHex(qsizetype& i);
    void ReadControlSymbol(qsizetype& i);
    void OpenGroup();
    void CloseGroup();
    void CheckTail(qsizetype from) const;

    bool InText() const;
    void SetDestination(Destination dest);
    bool Absorb(qsizetype end);
    void Add(QChar c, TDRtfCharKind kind, qsizetype start, qsizetype end);
    void EndParagraph(bool evenEmpty);
    void EndBodyParagraph();
    void EndSideParagraph();
    quint16 CurrentCodePage();

    const QByteArray& fSource;
    QStringList fLines;
    std::vector<std::vector<TDRtfSpan>> fSpans;
    std::vector<TDRtfCodePage> fCodePages;

    std::vector<Group> fGroups;
    Paragraph fBody;
    Paragraph fSide;
    std::vector<Paragraph> fPending; // side paragraphs waiting for the end of the body paragraph

    std::map<int, Font> fFonts;
    int fFontEntry = -1; // the font the font table is describing
    int fDefaultFont = -1;
    int fDocumentCodePage = 1252;
    bool fAnsiCodePageSet = false;
    int fCachedFont = INT_MIN; // CurrentCodePage() remembers its last answer
    quint16 fCachedCodePage = 0;

    int fFallbackLeft = 0;                   // fallback characters of the last \uN still to skip
    Paragraph* fFallbackParagraph = nullptr; // where that \uN went
};

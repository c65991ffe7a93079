#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The encodings a line list can be read with and written back in.
enum TDListEncoding { leWindows1251, leUtf8, leUtf16LE, leUtf16BE };

// The document line list (fCommonFile): one string per line of the document, markup included, and
// the encoding the lines were last read with. The analyser reads the lines, the replacement changes
// them in place, saving writes them.
class TDCommonFile {
public:
    // The lines.
    QStringList& Lines() { return fLines; }
    const QStringList& Lines() const { return fLines; }
    // Number of lines.
    qsizetype Count() const { return fLines.size(); }
    // The encoding the lines were read with; windows-1251 for a list that was never read.
    TDListEncoding Encoding() const { return fEncoding; }

    // Replaces the content with bytes read as UTF-8: a leading byte-order mark is skipped. The caller
    // has checked that the bytes are well-formed UTF-8.
    void ReadAsUtf8(QByteArray bytes);
    // Replaces the content with bytes read as windows-1251, unless they begin with the byte-order mark
    // of UTF-8, UTF-16 LE or UTF-16 BE: then they are read in that encoding, without the mark.
    void ReadAsWindows1251(QByteArray bytes);
    // Replaces the content.
    void SetLines(const QStringList& lines, TDListEncoding encoding);
    // Empties the list; it then counts as never read.
    void Clear();

private:
    QStringList fLines;
    TDListEncoding fEncoding = leWindows1251;
};

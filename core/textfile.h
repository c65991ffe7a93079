#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Decodes a text file's bytes: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE; without
// one the bytes are windows-1251.
QString DecodeTextBytes(const QByteArray& bytes);

// Decodes plain text: a byte-order mark decides; otherwise UTF-8 when the bytes are valid UTF-8,
// else windows-1251.
QString DecodeUtf8OrWindows1251(const QByteArray& bytes);

// Splits text into lines at CR, LF or CR LF; a last line without a line break counts, a final line
// break adds no empty line. Lines are kept as they stand.
QStringList SplitLines(const QString& text);

// Reads a whole text file into lines (decoded as DecodeTextBytes does). Throws TDError naming the
// file when it cannot be read.
QStringList ReadTextFileLines(const QString& fileName);

// windows-1251 bytes to text.
QString DecodeWindows1251(const QByteArray& bytes);
// Text to windows-1251; a character windows-1251 cannot hold becomes "?", and the index of the first
// such character goes to firstUnmappable (-1 when there is none).
QByteArray EncodeWindows1251(const QString& text, qsizetype* firstUnmappable = nullptr);

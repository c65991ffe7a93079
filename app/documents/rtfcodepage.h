#pragma once

#include <QChar>

#include <array>

// A single-byte code page as an RTF document uses it for \'hh and raw 8-bit text: each byte stands for
// one character. Double-byte code pages are read byte by byte, so their two-byte characters come out
// as U+FFFD.
class TDRtfCodePage {
public:
    // The code page with the given Windows number (1251, 1252, 866, 10007...). An unknown number
    // gives windows-1252.
    explicit TDRtfCodePage(int number);

    // The Windows number the code page was asked for.
    int Number() const { return fNumber; }

    // The character a byte stands for; U+FFFD when the code page leaves the byte undefined.
    QChar Decode(uchar byte) const { return QChar(fTable[byte]); }

    // The byte that stands for c; false when the code page cannot hold c.
    bool Encode(QChar c, uchar* byte) const;

    // Whether the number names a code page this class knows; others read as windows-1252.
    static bool IsKnown(int number);

    // The code page of an RTF font charset (\fcharsetN): 204 gives 1251, 0 gives 1252 and so on; 0
    // when the charset names no code page (1 "default", 2 "symbol" or unknown).
    static int FromCharset(int charset);

private:
    int fNumber;
    std::array<char16_t, 256> fTable;
};

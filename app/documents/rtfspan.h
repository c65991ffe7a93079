#pragma once

#include <QtGlobal>

// How a character of the text is written in the RTF source.
enum class TDRtfCharKind : quint8 {
    Raw,     // the byte itself
    Hex,     // \'hh
    Unicode, // \uN with the fallback characters that follow it
    Control, // a control word or symbol such as \emdash, \line, \~ or \{
};

// Where one character of the text stands in the RTF source and how it is written there.
struct TDRtfSpan {
    qsizetype Start = 0;                     // offset of its first byte in the source
    qsizetype Length = 0;                    // its bytes, with a control word's delimiting space
    quint16 CodePage = 0;                    // the code page in force there (index into the reader's list)
    quint8 SkipCount = 1;                    // the \uc in force there: fallback characters after \uN
    TDRtfCharKind Kind = TDRtfCharKind::Raw; // how it is written
};

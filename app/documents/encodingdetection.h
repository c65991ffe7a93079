#pragma once

#include "types.h"

#include <QByteArray>

// Looks at the raw bytes of a text file line by line (lines end at CR, LF or CR LF, counted from 0).
// A line passes as UTF-8 when it holds a byte of 0x80 or above and all its bytes form well-formed
// UTF-8 sequences; a line of pure ASCII neither passes nor fails.
struct TDUtf8Scan {
    qsizetype Lines = 0;             // lines looked at
    qsizetype PassingLines = 0;      // lines that pass as UTF-8
    qsizetype FailingLines = 0;      // lines with bytes that are no well-formed UTF-8
    qsizetype FirstPassingLine = -1; // the first of them, or -1
    qsizetype FirstFailingLine = -1;
    qsizetype FirstNulLine = -1; // the first line that holds a NUL byte, or -1
};

// Scans at most maxLines lines of bytes (all of them when maxLines is negative). stopAtPass ends the
// scan at the first line that passes.
TDUtf8Scan ScanUtf8Lines(const QByteArray& bytes, qsizetype maxLines = -1, bool stopAtPass = false);

// The UTF-8 content test of a document: feUTF8 when one of the first 100 lines passes as UTF-8, else
// feNone. A leading UTF-8 byte-order mark passes (its bytes are well-formed UTF-8).
TDFileEncoding Utf8ContentTest(const QByteArray& bytes);

// The byte-order mark that bytes begin with.
enum TDByteOrderMark { bomNone, bomUtf8, bomUtf16LE, bomUtf16BE };
TDByteOrderMark ByteOrderMarkOf(const QByteArray& bytes);

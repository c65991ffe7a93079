#include "encodingdetection.h"

namespace {

bool IsContinuation(uchar b) {
    return b >= 0x80 && b <= 0xBF;
}

// Length of the well-formed UTF-8 sequence at p (n bytes left), or 0. The lead byte and the
// second byte follow the Unicode table, so overlong forms and surrogates (ED A0..BF) are refused:
// they would not survive decoding.
int SequenceLength(const uchar* p, qsizetype n) {
    const uchar b = p[0];
    if (b < 0x80)
        return 1;
    int len;
    uchar lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        if (b == 0xE0)
            lo = 0xA0;
        else if (b == 0xED)
            hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        if (b == 0xF0)
            lo = 0x90;
        else if (b == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (n < len || p[1] < lo || p[1] > hi)
        return 0;
    for (int i = 2; i < len; ++i) {
        if (!IsContinuation(p[i]))
            return 0;
    }
    return len;
}

} // namespace

TDUtf8Scan ScanUtf8Lines(const QByteArray& bytes, qsizetype maxLines, bool stopAtPass) {
    TDUtf8Scan scan;
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n && (maxLines < 0 || scan.Lines < maxLines)) {
        const qsizetype line = scan.Lines++;
        bool high = false;
        bool bad = false;
        while (i < n && p[i] != '\r' && p[i] != '\n') {
            const uchar b = p[i];
            if (b < 0x80) {
                if (b == 0 && scan.FirstNulLine < 0)
                    scan.FirstNulLine = line;
                ++i;
                continue;
            }
            high = true;
            const int len = bad ? 0 : SequenceLength(p + i, n - i);
            if (len == 0) {
                bad = true;
                ++i;
            } else {
                i += len;
            }
        }
        if (i < n && p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        if (i < n)
            ++i;
        if (bad) {
            if (scan.FailingLines++ == 0)
                scan.FirstFailingLine = line;
        } else if (high) {
            if (scan.PassingLines++ == 0)
                scan.FirstPassingLine = line;
            if (stopAtPass)
                break;
        }
    }
    return scan;
}

TDFileEncoding Utf8ContentTest(const QByteArray& bytes) {
    return ScanUtf8Lines(bytes, 100, true).PassingLines > 0 ? feUTF8 : feNone;
}

TDByteOrderMark ByteOrderMarkOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return bomUtf8;
    if (bytes.startsWith("\xFF\xFE"))
        return bomUtf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return bomUtf16BE;
    return bomNone;
}

#include "rtfcodepage.h"

#include <QByteArray>
#include <QStringDecoder>

namespace {

// The converter name of a Windows code page number; empty when unknown.
QByteArray CodePageName(int number) {
    switch (number) {
    case 437:
    case 737:
    case 775:
    case 850:
    case 852:
    case 855:
    case 857:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
        return "IBM" + QByteArray::number(number);
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 10007:
        return "x-mac-cyrillic";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    default:
        break;
    }
    if (number >= 1250 && number <= 1258)
        return "windows-" + QByteArray::number(number);
    if (number >= 28591 && number <= 28605)
        return "ISO-8859-" + QByteArray::number(number - 28590);
    return {};
}

} // namespace

TDRtfCodePage::TDRtfCodePage(int number) : fNumber(number) {
    QByteArray name = CodePageName(number);
    if (name.isEmpty() || !QStringDecoder(name.constData()).isValid())
        name = "windows-1252";
    for (int b = 0; b < 256; ++b) {
        // A fresh decoder per byte, so that a lead byte of a double-byte code page leaves no state.
        QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
        const char byte = char(b);
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        fTable[b] = decoded.size() == 1 && !decoder.hasError() ? decoded[0].unicode() : char16_t(0xFFFD);
    }
}

bool TDRtfCodePage::IsKnown(int number) {
    return !CodePageName(number).isEmpty();
}

bool TDRtfCodePage::Encode(QChar c, uchar* byte) const {
    if (c.unicode() == 0xFFFD)
        return false;
    for (int b = 0; b < 256; ++b) {
        if (fTable[b] == c.unicode()) {
            *byte = uchar(b);
            return true;
        }
    }
    return false;
}

int TDRtfCodePage::FromCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    default:
        return 0;
    }
}

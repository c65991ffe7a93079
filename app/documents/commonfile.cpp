#include "commonfile.h"

#include "encodingdetection.h"
#include "textfile.h"

#include <QStringDecoder>

void TDCommonFile::ReadAsUtf8(QByteArray bytes) {
    const qsizetype skip = ByteOrderMarkOf(bytes) == bomUtf8 ? 3 : 0;
    QString text = QString::fromUtf8(QByteArrayView(bytes).sliced(skip));
    bytes = QByteArray(); // one copy of the text at a time
    fLines = SplitLines(text);
    fEncoding = leUtf8;
}

void TDCommonFile::ReadAsWindows1251(QByteArray bytes) {
    QString text;
    switch (ByteOrderMarkOf(bytes)) {
    case bomUtf8:
        ReadAsUtf8(std::move(bytes));
        return;
    case bomUtf16LE:
    case bomUtf16BE: {
        const bool le = ByteOrderMarkOf(bytes) == bomUtf16LE;
        QStringDecoder decoder(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        text = decoder.decode(QByteArrayView(bytes).sliced(2));
        fEncoding = le ? leUtf16LE : leUtf16BE;
        break;
    }
    case bomNone:
        text = DecodeWindows1251(bytes);
        fEncoding = leWindows1251;
        break;
    }
    bytes = QByteArray();
    fLines = SplitLines(text);
}

void TDCommonFile::SetLines(const QStringList& lines, TDListEncoding encoding) {
    fLines = lines;
    fEncoding = encoding;
}

void TDCommonFile::Clear() {
    fLines.clear();
    fEncoding = leWindows1251;
}

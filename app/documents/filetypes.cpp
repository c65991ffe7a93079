#include "filetypes.h"

namespace {

// Position of the dot that starts the extension of the name part, or -1.
qsizetype ExtDot(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash =
        qMax(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    return dot > slash ? dot : -1;
}

} // namespace

TDFileType FileTypeOfName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return ftNone;
    const QString ext = fileName.mid(dot + 1, 255).toLower();
    if (ext == QLatin1String("fb2"))
        return ftFB2;
    if (ext == QLatin1String("rtf"))
        return ftRTF;
    if (ext == QLatin1String("htm") || ext == QLatin1String("html"))
        return ftHtml;
    if (ext == QLatin1String("txt"))
        return ftTXT;
    if (ext == QLatin1String("xml"))
        return ftXML;
    return ftNone;
}

int SaveTypeIndexOfExt(const QString& ext) {
    if (ext == QLatin1String(".fb2"))
        return 1;
    if (ext == QLatin1String(".html") || ext == QLatin1String(".htm"))
        return 2;
    if (ext == QLatin1String(".xml"))
        return 3;
    if (ext == QLatin1String(".txt"))
        return 4;
    if (ext == QLatin1String(".rtf"))
        return 5;
    return 6;
}

QString EncodingLabel(TDFileEncoding encoding) {
    switch (encoding) {
    case feWin1251:
        return QStringLiteral("windows-1251");
    case feUTF8:
        return QStringLiteral("UTF-8");
    case feNone:
        break;
    }
    return QString();
}

QString ExtractFileExt(const QString& fileName) {
    const qsizetype dot = ExtDot(fileName);
    return dot < 0 ? QString() : fileName.mid(dot);
}

QString ChangeFileExt(const QString& fileName, const QString& ext) {
    const qsizetype dot = ExtDot(fileName);
    return (dot < 0 ? fileName : fileName.left(dot)) + ext;
}

TDSaveName DefaultSaveName(const QString& caption) {
    const qsizetype slash =
        qMax(caption.lastIndexOf(QLatin1Char('/')), caption.lastIndexOf(QLatin1Char('\\')));
    const QString namePart = caption.mid(slash + 1);
    const QString ext = ExtractFileExt(namePart);
    return {namePart.left(namePart.size() - ext.size()) + QStringLiteral(" (ё)"), ext};
}

#include "document.h"

#include "encodingdetection.h"
#include "error.h"
#include "filetypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString Shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

// The encoding that an XML declaration at the start of the first line names, in lower case; empty
// when the first line has no declaration or the declaration names none.
QString DeclaredEncoding(const QByteArray& bytes) {
    const qsizetype skip = ByteOrderMarkOf(bytes) == bomUtf8 ? 3 : 0;
    // A declaration is short; a first line of megabytes is not searched to its end.
    QByteArray head = bytes.mid(skip, 1024);
    const qsizetype eol = head.indexOf('\n');
    head.truncate(eol < 0 ? head.size() : eol);
    const qsizetype cr = head.indexOf('\r');
    head.truncate(cr < 0 ? head.size() : cr);
    const qsizetype end = head.indexOf("?>");
    if (!head.trimmed().startsWith("<?xml") || end < 0)
        return QString();
    static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch m = encoding.match(QString::fromLatin1(head.left(end)));
    return m.hasMatch() ? m.captured(1).trimmed().toLower() : QString();
}

struct TDLoaded {
    TDCommonFile CommonFile;
    TDFileEncoding FileEncoding = feNone;
    std::unique_ptr<TDRtfDocument> Rtf;
    QString Note;
};

// FB2, XML, HTML and TXT: the lines of the file, decoded. The bytes decide between UTF-8 and
// windows-1251; an XML declaration decides only for a file of pure ASCII, and a declaration that
// disagrees with the bytes is reported in the note instead of garbling the text.
void LoadText(QByteArray bytes, TDFileType type, const QString& shown, TDLoaded& out) {
    const TDByteOrderMark bom = ByteOrderMarkOf(bytes);
    if (bom == bomUtf16LE || bom == bomUtf16BE) {
        // The mark decides; the UTF-8 content test found nothing.
        out.FileEncoding = type == ftTXT ? feWin1251 : feNone;
        out.CommonFile.ReadAsWindows1251(std::move(bytes));
        return;
    }
    const TDUtf8Scan scan = ScanUtf8Lines(bytes);
    if (scan.FirstNulLine >= 0)
        throw TDError(QStringLiteral("Файл «%1» не похож на текстовый: в строке %2 есть нулевой байт. "
                                     "Файл не открыт.")
                          .arg(shown)
                          .arg(scan.FirstNulLine + 1));
    if (scan.PassingLines > 0 && scan.FailingLines > 0)
        throw TDError(
            QStringLiteral("В файле «%1» смешаны кодировки: строка %2 записана в UTF-8, а строка %3 "
                           "— нет. Файл не открыт, чтобы не испортить текст.")
                .arg(shown)
                .arg(scan.FirstPassingLine + 1)
                .arg(scan.FirstFailingLine + 1));
    const bool utf8Bytes = scan.PassingLines > 0;
    const bool singleByte = scan.FailingLines > 0;

    bool asUtf8 = utf8Bytes;
    switch (type) {
    case ftFB2:
    case ftXML: {
        const QString declared = DeclaredEncoding(bytes);
        const bool declaredUtf8 = declared == QLatin1String("utf-8") || declared == QLatin1String("utf8");
        const bool declared1251 =
            declared == QLatin1String("windows-1251") || declared == QLatin1String("cp1251");
        // Another encoding is read only where it cannot matter: in a file of pure ASCII.
        const bool declaredOther = !declared.isEmpty() && !declaredUtf8 && !declared1251 && bom != bomUtf8;
        if (declaredOther && (utf8Bytes || singleByte))
            throw TDError(QStringLiteral("В первой строке файла «%1» указана кодировка «%2». Открываются "
                                         "файлы FB2 и XML в кодировках UTF-8 и windows-1251.")
                              .arg(shown, declared));
        // Pure ASCII follows the declaration; without one XML means UTF-8.
        asUtf8 = utf8Bytes || (!singleByte && !declared1251 && !declaredOther);
        if (asUtf8 && declared1251 && utf8Bytes)
            out.Note = QStringLiteral("В первой строке файла «%1» указана кодировка windows-1251, но текст "
                                      "записан в UTF-8; файл прочитан как UTF-8.")
                           .arg(shown);
        else if (!asUtf8 && declaredUtf8)
            out.Note = QStringLiteral("В первой строке файла «%1» указана кодировка UTF-8, но текст записан "
                                      "в однобайтовой кодировке; файл прочитан как windows-1251.")
                           .arg(shown);
        out.FileEncoding = declaredOther ? feNone : asUtf8 ? feUTF8 : feWin1251;
        break;
    }
    case ftHtml:
        out.FileEncoding = asUtf8 ? feUTF8 : feNone;
        break;
    default:
        out.FileEncoding = asUtf8 ? feUTF8 : feWin1251;
        break;
    }
    if (asUtf8)
        out.CommonFile.ReadAsUtf8(std::move(bytes));
    else
        out.CommonFile.ReadAsWindows1251(std::move(bytes));
}

} // namespace

TDDocument::TDDocument() = default;
TDDocument::~TDDocument() = default;

void TDDocument::FileOpen(const QString& AFileName, const TDLoadProgress& progress) {
    FileOpenAs(AFileName, FileTypeOfName(AFileName), progress);
}

void TDDocument::FileOpenAs(const QString& AFileName, TDFileType type, const TDLoadProgress& progress) {
    const QFileInfo info(AFileName);
    if (!info.exists() || info.isDir())
        throw TDError(QStringLiteral("Файл ") + AFileName + QStringLiteral(" не найден."));
    const QString shown = Shown(AFileName);
    const qint64 total = info.size();
    const QString tooLarge =
        QStringLiteral("Файл «%1» слишком велик (%2 МБ): открываются файлы не больше %3 МБ.");
    if (total > kMaxFileSize)
        throw TDError(tooLarge.arg(shown).arg(total >> 20).arg(kMaxFileSize >> 20));
    QFile file(AFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TDError(QStringLiteral("Не удаётся открыть файл «%1»: %2").arg(shown, file.errorString()));
    QByteArray bytes;
    bytes.reserve(total);
    constexpr qint64 kChunk = qint64(8) << 20;
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            break;
        bytes.append(chunk);
        if (bytes.size() > kMaxFileSize)
            throw TDError(tooLarge.arg(shown).arg(bytes.size() >> 20).arg(kMaxFileSize >> 20));
        if (progress)
            progress(bytes.size(), qMax(total, qint64(bytes.size())));
    }
    if (file.error() != QFileDevice::NoError)
        throw TDError(QStringLiteral("Не удаётся прочитать файл «%1»: %2").arg(shown, file.errorString()));
    if (progress)
        progress(bytes.size(), qMax(total, qint64(bytes.size())));
    LoadBytes(std::move(bytes), type, AFileName);
    QString folder = info.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    fLastFolderOpened = folder;
}

void TDDocument::LoadBytes(QByteArray bytes, TDFileType type, const QString& shownName) {
    const QString shown = Shown(shownName);
    if (bytes.size() > kMaxFileSize)
        throw TDError(QStringLiteral("Файл «%1» слишком велик (%2 МБ): открываются файлы не больше %3 МБ.")
                          .arg(shown)
                          .arg(bytes.size() >> 20)
                          .arg(kMaxFileSize >> 20));
    // Everything is read into fresh objects first, so a failure leaves the open document as it was.
    TDLoaded loaded;
    switch (type) {
    case ftFB2:
    case ftXML:
    case ftHtml:
    case ftTXT:
        LoadText(std::move(bytes), type, shown, loaded);
        break;
    case ftRTF:
        loaded.FileEncoding = Utf8ContentTest(bytes);
        loaded.Rtf = std::make_unique<TDRtfDocument>();
        try {
            loaded.Rtf->Load(bytes);
        } catch (const TDError& e) {
            throw TDError(QStringLiteral("«%1»: %2").arg(shown, e.Message()));
        }
        loaded.CommonFile.SetLines(loaded.Rtf->Lines(), leWindows1251);
        break;
    case ftNone:
    case ftWord:
        // No format of file mode: nothing is loaded.
        loaded.FileEncoding = Utf8ContentTest(bytes);
        break;
    }
    fFileName = shownName;
    fFileTypeOpened = type;
    fFileEncoding = loaded.FileEncoding;
    fCommonFile = std::move(loaded.CommonFile);
    fRtfDocument = std::move(loaded.Rtf);
    fNote = loaded.Note;
}

void TDDocument::Clear() {
    fFileName.clear();
    fCommonFile.Clear();
    fFileTypeOpened = ftNone;
    fFileEncoding = feNone;
    fRtfDocument.reset();
    fNote.clear();
}

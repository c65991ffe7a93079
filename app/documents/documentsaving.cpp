#include "documentsaving.h"

#include "document.h"
#include "error.h"
#include "filetypes.h"
#include "textfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringEncoder>

const char* const kDeclarationWin1251 = R"(<?xml version="1.0" encoding="windows-1251"?>)";
const char* const kDeclarationWin1251Standalone =
    R"(<?xml version="1.0" encoding="windows-1251" standalone="yes"?>)";
const char* const kDeclarationUtf8 = R"(<?xml version="1.0" encoding="utf-8"?>)";
const char* const kDeclarationUtf8Standalone = R"(<?xml version="1.0" encoding="utf-8" standalone="yes"?>)";

namespace {

TDSavePlan Plan(TDSaveWrite write) {
    TDSavePlan plan;
    plan.Write = write;
    return plan;
}

TDSavePlan PlanWithDeclaration(TDSaveWrite write, const char* declaration) {
    TDSavePlan plan = Plan(write);
    plan.NewDeclaration = true;
    plan.Declaration = QString::fromLatin1(declaration);
    return plan;
}

TDSavePlan SameEncodingPlan(TDFileEncoding encoding) {
    return Plan(encoding == feUTF8 ? swUtf8 : swOwnEncoding);
}

// The length of the XML declaration at the start of line (after blanks), with the blanks; 0 when the
// line does not start with one.
qsizetype DeclarationLength(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() &&
           (line[start] == u' ' || line[start] == u'\t' || line[start] == QChar(0xFEFF)))
        ++start;
    if (!QStringView(line).sliced(start).startsWith(QLatin1String("<?xml")))
        return 0;
    const qsizetype end = line.indexOf(QLatin1String("?>"), start);
    return end < 0 ? 0 : end + 2;
}

QString CharName(const QString& line, qsizetype i) {
    char32_t cp = line[i].unicode();
    QString text(line[i]);
    if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
        cp = QChar::surrogateToUcs4(line[i], line[i + 1]);
        text += line[i + 1];
    }
    return QStringLiteral("«%1» (U+%2)")
        .arg(text, QString::number(uint(cp), 16).toUpper().rightJustified(4, u'0'));
}

// A line in windows-1251 where every character that windows-1251 lacks is a numeric character reference.
QByteArray Windows1251WithReferences(const QString& line) {
    QByteArray out;
    out.reserve(line.size() + 16);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        char32_t cp = c.unicode();
        qsizetype len = 1;
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, line[i + 1]);
            len = 2;
        }
        qsizetype bad = -1;
        const QByteArray b = EncodeWindows1251(line.mid(i, len), &bad);
        if (bad >= 0)
            out.append("&#" + QByteArray::number(uint(cp)) + ';');
        else
            out.append(b);
        i += len - 1;
    }
    return out;
}

QByteArray EncodeLines(const QStringList& lines, TDListEncoding encoding, bool markup) {
    QByteArray out;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    out.reserve(encoding == leWindows1251 ? size : 2 * size + 3);
    switch (encoding) {
    case leUtf8:
        out.append("\xEF\xBB\xBF");
        for (const QString& line : lines) {
            out.append(line.toUtf8());
            out.append("\r\n");
        }
        break;
    case leUtf16LE:
    case leUtf16BE: {
        const bool le = encoding == leUtf16LE;
        QStringEncoder encoder(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        out.append(le ? "\xFF\xFE" : "\xFE\xFF");
        for (const QString& line : lines) {
            out.append(encoder.encode(line));
            out.append(encoder.encode(QStringLiteral("\r\n")));
        }
        break;
    }
    case leWindows1251:
        for (qsizetype n = 0; n < lines.size(); ++n) {
            const QString& line = lines[n];
            qsizetype bad = -1;
            const QByteArray b = EncodeWindows1251(line, &bad);
            if (bad < 0)
                out.append(b);
            else if (markup)
                out.append(Windows1251WithReferences(line));
            else
                throw TDError(
                    QStringLiteral("Текст нельзя сохранить в кодировке windows-1251: в строке %1 есть "
                                   "символ %2, которого в этой кодировке нет. Файл не записан; "
                                   "сохраните его в UTF-8.")
                        .arg(n + 1)
                        .arg(CharName(line, bad)));
            out.append("\r\n");
        }
        break;
    }
    return out;
}

TDSavePlan NewStyleTable(TDFileEncoding document, TDFileEncoding save, int typeIndex) {
    if (document == save)
        return SameEncodingPlan(document);
    if (document == feUTF8 && save == feWin1251) {
        switch (typeIndex) {
        case 1:
            return PlanWithDeclaration(swWindows1251, kDeclarationWin1251);
        case 2:
            return PlanWithDeclaration(swWindows1251, "");
        case 3:
            return PlanWithDeclaration(swWindows1251, kDeclarationWin1251Standalone);
        default:
            // txt, rtf, all files: no declaration to change.
            return Plan(swWindows1251);
        }
    }
    return Plan(swNothing);
}

TDSavePlan ClassicTable(TDFileEncoding document, TDFileEncoding save, int filterIndex) {
    if (document == save)
        return SameEncodingPlan(document);
    if (document == feUTF8 && save == feWin1251 && filterIndex == 1)
        return PlanWithDeclaration(swWindows1251, kDeclarationWin1251);
    if (document == feUTF8 && save == feWin1251 && filterIndex == 3)
        return PlanWithDeclaration(swWindows1251, kDeclarationWin1251Standalone);
    if (document == feWin1251 && save == feUTF8 && filterIndex == 1)
        return PlanWithDeclaration(swUtf8, kDeclarationUtf8);
    if (document == feWin1251 && save == feUTF8 && filterIndex == 3)
        return PlanWithDeclaration(swUtf8, kDeclarationUtf8Standalone);
    return Plan(swNothing);
}

QString EncodingName(TDFileEncoding encoding) {
    return encoding == feNone ? QStringLiteral("не определена") : EncodingLabel(encoding);
}

} // namespace

TDSavePlan NewStyleSavePlan(TDFileEncoding document, TDFileEncoding save, int typeIndex) {
    TDSavePlan plan = NewStyleTable(document, save, typeIndex);
    plan.DocumentEncoding = document;
    plan.SaveEncoding = save;
    return plan;
}

TDSavePlan ClassicSavePlan(TDFileEncoding document, TDFileEncoding save, int filterIndex) {
    TDSavePlan plan = ClassicTable(document, save, filterIndex);
    plan.DocumentEncoding = document;
    plan.SaveEncoding = save;
    return plan;
}

QByteArray DocumentBytes(TDDocument& document, const TDSavePlan& plan) {
    if (document.FileTypeOpened() == ftRTF && document.RtfDocument()) {
        document.RtfDocument()->ApplyDashRule();
        return document.RtfDocument()->ToBytes();
    }
    if (plan.Write == swNothing)
        throw TDError(
            QStringLiteral("Перевод документа из кодировки «%1» в кодировку «%2» для этого типа файла "
                           "не предусмотрен. Файл не записан.")
                .arg(EncodingName(plan.DocumentEncoding), EncodingName(plan.SaveEncoding)));
    const TDCommonFile& list = document.CommonFile();
    const TDListEncoding encoding = plan.Write == swUtf8          ? leUtf8
                                    : plan.Write == swWindows1251 ? leWindows1251
                                                                  : list.Encoding();
    const TDFileType type = document.FileTypeOpened();
    const bool markup = type == ftFB2 || type == ftXML || type == ftHtml;
    if (!plan.NewDeclaration)
        return EncodeLines(list.Lines(), encoding, markup);

    // The declaration is changed in what is written; the document keeps its own, so a later save
    // starts from the document as it was loaded.
    QStringList lines = list.Lines();
    const qsizetype old = lines.isEmpty() ? 0 : DeclarationLength(lines.first());
    if (old > 0)
        lines.first() = plan.Declaration + lines.first().mid(old);
    else if (!plan.Declaration.isEmpty())
        lines.prepend(plan.Declaration);
    return EncodeLines(lines, encoding, markup);
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
    const QString shown = QDir::toNativeSeparators(fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw TDError(QStringLiteral("Не удаётся записать файл «%1»: %2").arg(shown, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        throw TDError(QStringLiteral("Не удаётся записать файл «%1»: %2").arg(shown, error));
    }
    if (!file.commit())
        throw TDError(QStringLiteral("Не удаётся записать файл «%1»: %2").arg(shown, file.errorString()));
}

void SaveDocument(TDDocument& document, const QString& fileName, const TDSavePlan& plan) {
    WriteWholeFile(fileName, DocumentBytes(document, plan));
}

QString SaveFileName(const QString& chosenName, const QString& ext) {
    // Only a short run of Latin letters and digits after the last dot is an extension: in
    // "Т. Манн. Будденброки (ё)" the text after the dot is part of the name and must stay.
    static const QRegularExpression extension(QStringLiteral("^\\.[A-Za-z0-9_*-]{1,8}$"));
    const QString current = ExtractFileExt(chosenName);
    return extension.match(current).hasMatch() ? ChangeFileExt(chosenName, ext) : chosenName + ext;
}

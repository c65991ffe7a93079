#include "clicommon.h"
#include "commands.h"

#include "contextentries.h"
#include "decisions.h"
#include "document.h"
#include "documentsaving.h"
#include "error.h"
#include "filereplacer.h"
#include "filetypes.h"
#include "plaintextanalyser.h"
#include "words2replace.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const char* const kApplyHelp =
    "tarv-cli apply [параметры] ФАЙЛ — расставить «ё» и записать новый файл\n"
    "\n"
    "  -o ФАЙЛ               куда записать (по умолчанию «Имя (ё).расширение» рядом с исходным;\n"
    "                        «-» — стандартный вывод)\n"
    "  --min-level 1|2       с какого уровня уверенности писать «ё» в неоднозначных словах\n"
    "                        (по умолчанию 1)\n"
    "  --search 1|2|3        1 — только однозначные слова, 2 — только неоднозначные, 3 — все\n"
    "  --yo-words            искать и слова, уже написанные с «ё» (где «ё» неуместна, станет «е»)\n"
    "  --encoding utf-8|windows-1251  кодировка результата (по умолчанию — как у исходного)\n"
    "  --dictionaries ПАПКА  папка со словарями\n"
    "\n"
    "Код возврата: 0 — ничего не изменено, 1 — буквы заменены, 2 — ошибка.\n";

TDFileEncoding EncodingOfName(const QString& name) {
    const QString n = name.toLower();
    if (n == QLatin1String("utf-8"))
        return feUTF8;
    if (n == QLatin1String("windows-1251"))
        return feWin1251;
    throw TDError(QStringLiteral("--encoding принимает utf-8 или windows-1251, а не «%1»").arg(name));
}

void WriteStdout(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    if (std::ferror(stdout))
        throw TDError(QStringLiteral("Не удаётся записать стандартный вывод"));
}

} // namespace

int RunApply(const QStringList& args) {
    QString file;
    QString output;
    QString dictFolder;
    int restriction = 3;
    int minLevel = 1;
    bool withYo = false;
    bool encodingGiven = false;
    TDFileEncoding saveEncoding = feNone;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto intArg = [&](int lo, int hi) {
            bool ok = false;
            const int v = hasValue ? args[++i].toInt(&ok) : 0;
            if (!ok || v < lo || v > hi)
                throw TDError(QStringLiteral("%1 принимает число от %2 до %3").arg(a).arg(lo).arg(hi));
            return v;
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kApplyHelp, stdout);
            return 0;
        } else if (a == QLatin1String("-o") && hasValue) {
            output = args[++i];
        } else if (a == QLatin1String("--min-level")) {
            minLevel = intArg(1, 2);
        } else if (a == QLatin1String("--search")) {
            restriction = intArg(1, 3);
        } else if (a == QLatin1String("--yo-words")) {
            withYo = true;
        } else if (a == QLatin1String("--encoding") && hasValue) {
            saveEncoding = EncodingOfName(args[++i]);
            encodingGiven = true;
        } else if (a == QLatin1String("--dictionaries") && hasValue) {
            dictFolder = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            throw TDError(QStringLiteral("Неизвестный параметр %1 (см. tarv-cli apply --help)").arg(a));
        } else if (file.isEmpty()) {
            file = a;
        } else {
            throw TDError(QStringLiteral("Лишний аргумент %1 (см. tarv-cli apply --help)").arg(a));
        }
    }
    if (file.isEmpty())
        throw TDError(QStringLiteral("Не указан файл (см. tarv-cli apply --help)"));

    const bool fromStdin = file == QLatin1String("-");
    const QString ext = fromStdin ? QStringLiteral(".txt") : ExtractFileExt(QFileInfo(file).fileName());
    if (output.isEmpty()) {
        output = fromStdin ? QStringLiteral("-")
                           : QFileInfo(file).absoluteDir().filePath(
                                 DefaultSaveName(QFileInfo(file).fileName()).Name + ext);
    }
    const bool toStdout = output == QLatin1String("-");
    if (!fromStdin && !toStdout && QFileInfo(output).exists() &&
        QFileInfo(output).canonicalFilePath() == QFileInfo(file).canonicalFilePath())
        throw TDError(QStringLiteral("Файл результата %1 совпадает с исходным: документ не перезаписывается, "
                                     "укажите другое имя в -o")
                          .arg(QDir::toNativeSeparators(output)));

    LoadDictionariesFrom(dictFolder);
    TDDocument document;
    LoadDocument(file, document);

    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    FindAllWordsInText(document.CommonFile().Lines(), words, groups, entries, withYo, restriction, false);
    // What "Согласиться с предложенным" does for every occurrence of the list.
    AgreeWithSuggestions(entries, minLevel);
    TDFileReplacer replacer;
    replacer.Replace(document, entries);

    if (!encodingGiven)
        saveEncoding = document.FileEncoding();
    const TDSavePlan plan = NewStyleSavePlan(document.FileEncoding(), saveEncoding, SaveTypeIndexOfExt(ext));
    const QByteArray bytes = DocumentBytes(document, plan);
    if (toStdout)
        WriteStdout(bytes);
    else
        WriteWholeFile(output, bytes);

    if (replacer.Skipped() > 0)
        PrintErr(QStringLiteral("tarv-cli: %1 вхождений пропущено: на их месте в тексте не те буквы")
                     .arg(replacer.Skipped()));
    PrintErr(QStringLiteral("Найдено вхождений: %1; изменено: %2; записано букв: %3; файл: %4")
                 .arg(entries.Count())
                 .arg(replacer.Changed())
                 .arg(replacer.LettersWritten())
                 .arg(toStdout ? QStringLiteral("стандартный вывод") : QDir::toNativeSeparators(output)));
    return replacer.LettersWritten() > 0 ? 1 : 0;
}

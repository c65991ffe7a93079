// tarv-cli: ё-фикация from the command line, with the same analyser and dictionaries as the window.

#include "contextentries.h"
#include "contextentry.h"
#include "dictionaryset.h"
#include "error.h"
#include "orderings.h"
#include "plaintextanalyser.h"
#include "strutils.h"
#include "textfile.h"
#include "word2replace.h"
#include "words2replace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>

#include <cstdio>

namespace {

const char* const kHelp =
    "tarv-cli — ё-фикация русского текста из командной строки\n"
    "\n"
    "Использование:\n"
    "  tarv-cli check [параметры] ФАЙЛ   найти слова, которые пишутся с «ё», и вывести их\n"
    "  tarv-cli --help                   эта справка\n"
    "  tarv-cli --version                версия\n"
    "\n"
    "check читает простой текст в UTF-8 или windows-1251 (кодировка определяется сама;\n"
    "«-» вместо имени файла — стандартный ввод) и печатает по строке на каждое вхождение:\n"
    "  строка:позиция  е-текст → предложение  уровень  правило  …контекст…\n"
    "Уровень: 777 — слово всегда пишется с «ё»; 2, 1 — скорее «ё»; 0 — неизвестно;\n"
    "-1, -2 — скорее «е». Правило — номер сработавшего контекстного правила или «-».\n"
    "\n"
    "Параметры:\n"
    "  --search 1|2|3        1 — только однозначные слова, 2 — только неоднозначные,\n"
    "                        3 — все (по умолчанию)\n"
    "  --yo-words            искать и слова, уже написанные с «ё»\n"
    "  --all-rules           для «всё» проверять все правила\n"
    "  --dictionaries ПАПКА  папка со словарями (по умолчанию — рядом с программой\n"
    "                        или в её подпапке «Словари»)\n"
    "  -q, --quiet           не печатать вхождения, только итог\n"
    "\n"
    "Итог печатается в стандартный поток ошибок.\n"
    "Код возврата: 0 — ничего не найдено, 1 — найдены вхождения, 2 — ошибка.\n";

void PrintErr(const QString& s) {
    const QByteArray b = s.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    std::fputc('\n', stderr);
}

// Plain text: a byte-order mark decides; otherwise UTF-8 when the bytes are valid UTF-8, else windows-1251.
QString DecodePlainText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return DecodeTextBytes(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1251(bytes);
}

QByteArray ReadInput(const QString& name) {
    QFile f;
    if (name == QLatin1String("-")) {
        if (!f.open(stdin, QIODevice::ReadOnly))
            throw TDError(QStringLiteral("Не удаётся прочитать стандартный ввод"));
    } else {
        f.setFileName(name);
        if (!QFileInfo(name).isFile())
            throw TDError(QStringLiteral("Файл не найден: %1").arg(name));
        if (!f.open(QIODevice::ReadOnly))
            throw TDError(QStringLiteral("Не удаётся прочитать файл %1: %2").arg(name, f.errorString()));
    }
    return f.readAll();
}

QString LevelText(int level) { return QString::number(level); }

int RunCheck(const QStringList& args) {
    QString file;
    QString dictFolder;
    int restriction = 3;
    bool withYo = false;
    bool allRules = false;
    bool quiet = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--search") && i + 1 < args.size()) {
            bool ok = false;
            restriction = args[++i].toInt(&ok);
            if (!ok || restriction < 1 || restriction > 3)
                throw TDError(QStringLiteral("--search принимает 1, 2 или 3"));
        } else if (a == QLatin1String("--yo-words")) {
            withYo = true;
        } else if (a == QLatin1String("--all-rules")) {
            allRules = true;
        } else if (a == QLatin1String("--dictionaries") && i + 1 < args.size()) {
            dictFolder = args[++i];
        } else if (a == QLatin1String("-q") || a == QLatin1String("--quiet")) {
            quiet = true;
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            throw TDError(QStringLiteral("Неизвестный параметр %1 (см. tarv-cli --help)").arg(a));
        } else if (file.isEmpty()) {
            file = a;
        } else {
            throw TDError(QStringLiteral("Лишний аргумент %1 (см. tarv-cli --help)").arg(a));
        }
    }
    if (file.isEmpty())
        throw TDError(QStringLiteral("Не указан файл (см. tarv-cli --help)"));

    QElapsedTimer timer;
    timer.start();
    TDDictionarySet& dicts = GlobalDictionaries();
    if (dictFolder.isEmpty())
        dictFolder = DictionaryFolder(QCoreApplication::applicationDirPath());
    dicts.LoadDictionaries(dictFolder, {}, [](const QString& message) { PrintErr(message); });

    const QStringList lines = SplitLines(DecodePlainText(ReadInput(file)));
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    FindAllWordsInText(lines, words, groups, entries, withYo, restriction, allRules);

    int unique = 0;
    if (!quiet) {
        QList<TDContextEntry*> ordered(entries.begin(), entries.end());
        std::stable_sort(ordered.begin(), ordered.end(), [](const TDContextEntry* a, const TDContextEntry* b) {
            return a->Line() != b->Line() ? a->Line() < b->Line() : a->ChID() < b->ChID();
        });
        QString out;
        for (const TDContextEntry* e : ordered) {
            out += QStringLiteral("%1:%2  %3 → %4  %5  %6  …%7[%8]%9…\n")
                       .arg(e->Line() + 1)
                       .arg(e->ChID())
                       .arg(e->TextE(), e->TextYo(), LevelText(e->ReplaceLevel()),
                            e->RuleN() == kRuleNone ? QStringLiteral("-") : QString::number(e->RuleN()),
                            e->BeforeShort(), e->TextE(), e->AfterShort());
            if (out.size() > (1 << 16)) {
                const QByteArray b = out.toUtf8();
                std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
                out.clear();
            }
        }
        const QByteArray b = out.toUtf8();
        std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
        std::fflush(stdout);
    }
    for (const TDWord2Replace* w : words) {
        if (w->Uniqueness())
            ++unique;
    }
    PrintErr(QStringLiteral("Найдено вхождений: %1; словоформ: %2 (однозначных %3, неоднозначных %4); "
                            "строк: %5; %6 сек.")
                 .arg(entries.Count())
                 .arg(words.Count())
                 .arg(unique)
                 .arg(words.Count() - unique)
                 .arg(lines.size())
                 .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2));
    return entries.Count() > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        std::fputs(kHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        std::printf("tarv-cli %s\n", TARV_VERSION);
        return 0;
    }
    try {
        const QString command = args.takeFirst();
        if (command == QLatin1String("check")) {
            if (args.contains(QLatin1String("--help"))) {
                std::fputs(kHelp, stdout);
                return 0;
            }
            return RunCheck(args);
        }
        throw TDError(QStringLiteral("Неизвестная команда %1 (см. tarv-cli --help)").arg(command));
    } catch (const TDError& e) {
        PrintErr(QStringLiteral("tarv-cli: ") + e.Message());
        return 2;
    } catch (const std::exception& e) {
        PrintErr(QStringLiteral("tarv-cli: ") + QString::fromLocal8Bit(e.what()));
        return 2;
    }
}

// tarv-cli: ё-фикация from the command line, with the same analyser and dictionaries as the window.

#include "clicommon.h"
#include "commands.h"
#include "error.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char* const kHelp =
    "tarv-cli — ё-фикация русского текста из командной строки\n"
    "\n"
    "Использование:\n"
    "  tarv-cli check [параметры] ФАЙЛ   найти слова, которые пишутся с «ё», и вывести их\n"
    "  tarv-cli eval [параметры] ЭТАЛОН  оценить восстановление «ё» на тексте, где «ё» расставлены\n"
    "                                    верно: убрать все «ё», восстановить их и сравнить\n"
    "                                    (--min-level 1|2, --search 1|2|3, --top N)\n"
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
        if (command == QLatin1String("apply"))
            return RunApply(args);
        if (command == QLatin1String("eval"))
            return RunEval(args);
        throw TDError(QStringLiteral("Неизвестная команда %1 (см. tarv-cli --help)").arg(command));
    } catch (const TDError& e) {
        PrintErr(QStringLiteral("tarv-cli: ") + e.Message());
        return 2;
    } catch (const std::exception& e) {
        PrintErr(QStringLiteral("tarv-cli: ") + QString::fromLocal8Bit(e.what()));
        return 2;
    }
}

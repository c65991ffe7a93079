// tarv-cli: ё-фикация from the command line, with the same analyser and dictionaries as the window.

#include "clicommon.h"
#include "commands.h"
#include "error.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char* const kHelp =
    "tarv-cli — ё-фикация русского текста из командной строки: находит слова, которые в тексте\n"
    "написаны через «е», а пишутся через «ё» (пришел → пришёл, еще → ещё), оценивает неоднозначные\n"
    "(все/всё, ее/её) и расставляет «ё» в НОВОЙ копии документа. Исходный файл не меняется.\n"
    "\n"
    "Использование:\n"
    "  tarv-cli check [параметры] ФАЙЛ   найти такие слова и вывести их, ничего не меняя\n"
    "  tarv-cli apply [параметры] ФАЙЛ   расставить «ё» и записать новый файл «ФАЙЛ (ё).расширение»\n"
    "  tarv-cli eval [параметры] ЭТАЛОН  оценить восстановление «ё» на тексте, где «ё» расставлены\n"
    "                                    верно: убрать все «ё», восстановить их и сравнить\n"
    "                                    (--min-level 1|2, --search 1|2|3, --top N)\n"
    "  tarv-cli --help                   эта справка\n"
    "  tarv-cli --version                версия\n"
    "\n"
    "Документы: FB2 (*.fb2), HTML (*.htm, *.html), XML (*.xml), простой текст (*.txt) и RTF (*.rtf);\n"
    "файл с другим расширением читается как простой текст, «-» вместо имени — стандартный ввод.\n"
    "Кодировка (UTF-8 или windows-1251) определяется по содержимому файла.\n"
    "\n"
    "check печатает по строке на каждое вхождение:\n"
    "  строка:позиция  е-текст → предложение  уровень  правило  …контекст…\n"
    "Уровень: 777 — слово всегда пишется с «ё»; 2, 1 — скорее «ё»; 0 — неизвестно;\n"
    "-1, -2 — скорее «е». Правило — номер сработавшего контекстного правила или «-».\n"
    "\n"
    "apply решает за человека так же, как команда окна «Согласиться с предложенным»: «ё» пишется\n"
    "в словах с уровнем 777 и с уровнем не ниже --min-level; слова с уровнем 0 остаются как есть.\n"
    "Результат записывается в кодировке исходного файла, строки кончаются CR LF, UTF-8 — с BOM;\n"
    "в RTF дефис между пробелами становится тире. Пример:\n"
    "  tarv-cli apply Роман.fb2                  → Роман (ё).fb2 рядом с исходным\n"
    "  tarv-cli apply - < текст.txt > новый.txt  фильтр: стандартный ввод → стандартный вывод\n"
    "\n"
    "Параметры check и apply:\n"
    "  --search 1|2|3        1 — только однозначные слова, 2 — только неоднозначные,\n"
    "                        3 — все (по умолчанию)\n"
    "  --yo-words            искать и слова, уже написанные с «ё»\n"
    "  --dictionaries ПАПКА  папка со словарями (по умолчанию — рядом с программой\n"
    "                        или в её подпапке «Словари»)\n"
    "Только check:\n"
    "  --all-rules           для «всё» проверять все правила\n"
    "  -q, --quiet           не печатать вхождения, только итог\n"
    "Только apply:\n"
    "  -o ФАЙЛ               куда записать результат («-» — стандартный вывод)\n"
    "  --min-level 1|2       с какого уровня писать «ё» в неоднозначных словах (по умолчанию 1)\n"
    "  --encoding utf-8|windows-1251  кодировка результата (по умолчанию — как у исходного).\n"
    "                        Перевести можно только из UTF-8 в windows-1251; символы, которых\n"
    "                        в windows-1251 нет, в FB2/HTML/XML пишутся как &#NNNN;, а простой\n"
    "                        текст с ними не сохраняется (ошибка, файл не записан)\n"
    "\n"
    "Итог печатается в стандартный поток ошибок.\n"
    "Код возврата: check — 0 ничего не найдено, 1 найдены вхождения; apply — 0 ничего не\n"
    "изменено, 1 буквы заменены; 2 — ошибка (файл не найден, повреждён, не записан).\n";

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

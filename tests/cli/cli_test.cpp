#include "../core/testfiles.h"
#include "runcli.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kFixtureDicts = QStringLiteral(TARV_SOURCE_DIR "/tests/data/dicts");

} // namespace

TEST(Cli, CheckListsOccurrencesLikeALinter) {
    TestFolder dir;
    const QString file =
        dir.Write1251(QStringLiteral("t.txt"), QStringLiteral("Мне все равно.\nОн пришел еще раз."));
    const CliResult r =
        RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), kFixtureDicts, file});
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("1:5  все равно → всё равно  2  1")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2:4  пришел → пришёл  777  -")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("2:11  еще → ещё  777"))) << lines[2].toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Найдено вхождений: 3"))) << r.err.toStdString();
}

TEST(Cli, ExitCodes) {
    TestFolder dir;
    const QString clean = dir.WriteUtf8(QStringLiteral("clean.txt"), QStringLiteral("Кот спит."));
    EXPECT_EQ(RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), kFixtureDicts, clean}).code,
              0);
    EXPECT_EQ(RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), kFixtureDicts,
                      QStringLiteral("-")},
                     QByteArray("ещё и еще"))
                  .code,
              1);
    const CliResult missing = RunCli({QStringLiteral("check"), dir.Path(QStringLiteral("нет.txt"))});
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("нет.txt"))) << missing.err.toStdString();
    EXPECT_EQ(RunCli({QStringLiteral("frobnicate")}).code, 2);
    EXPECT_EQ(RunCli({QStringLiteral("check"), QStringLiteral("--search"), QStringLiteral("7"), clean}).code,
              2);
    const CliResult help = RunCli({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("tarv-cli check")));
}

TEST(Cli, BrokenRuleFileIsAnError) {
    TestFolder dir;
    for (const char* name :
         {"словарь_однозначные.txt", "словарь_неоднозначные.txt", "словарь_морфология.txt"})
        QFile::copy(kFixtureDicts + QLatin1Char('/') + QString::fromUtf8(name),
                    dir.Path(QString::fromUtf8(name)));
    dir.WriteUtf8(QStringLiteral("словарь_уточнения.txt"), QStringLiteral("всё\tвсе\\s+равно\tдва"));
    const QString text = dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("еще"));
    const CliResult r = RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), dir.Dir(), text});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("строка 1"))) << r.err.toStdString();

    dir.WriteUtf8(QStringLiteral("словарь_уточнения.txt"), QStringLiteral("всё\tвсе(\t2"));
    dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("все"));
    const CliResult bad =
        RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), dir.Dir(), text});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("всё"))) << bad.err.toStdString();
}

TEST(Cli, DefaultDictionariesOnTheNovel) {
    const QString novel = QStringLiteral(TARV_SOURCE_DIR "/../shared/corpus/novel.e.txt");
    if (!QFile::exists(novel))
        GTEST_SKIP() << "the corpus is not beside the project";
    const CliResult r = RunCli({QStringLiteral("check"), novel});
    ASSERT_EQ(r.code, 1) << r.err.toStdString();
    auto has = [&](const QString& needle) {
        return r.out.contains(needle);
    };
    EXPECT_TRUE(has(QStringLiteral("  еще → ещё  777")));
    EXPECT_TRUE(has(QStringLiteral("  ее → её  777")));
    EXPECT_TRUE(has(QStringLiteral("  пришел → пришёл  777")));
    // все/всё is ambiguous: never rated as unambiguous.
    EXPECT_FALSE(has(QStringLiteral("  все → всё  777")));
    EXPECT_TRUE(r.out.contains(QRegularExpression(QStringLiteral("  все → всё  (-?[0-2])  "))));
}

#include "../core/testfiles.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(CliEval, CountsRestoredMissedAndWrong) {
    TestFolder dir;
    // «всё ясно» has no rule and stays undecided (missed); «нёбо» is not in the fixture dictionaries.
    const QString truth =
        dir.WriteUtf8(QStringLiteral("truth.txt"),
                      QStringLiteral("Он пришёл. Мне всё равно.\nВсе мы тут, всё ясно, нёбо."));
    QProcess p;
    p.start(QStringLiteral(TARV_CLI), {QStringLiteral("eval"), QStringLiteral("--dictionaries"),
                                       QStringLiteral(TARV_SOURCE_DIR "/tests/data/dicts"), truth});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("восстановлено:      2\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("пропущено:          2\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("лишних:             0\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("полнота:            0.5000"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("нерешённых вхождений: 2"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("      1 всё"))) << out.toStdString();
}

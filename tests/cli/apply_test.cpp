#include "../core/testfiles.h"
#include "runcli.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString kDicts = QStringLiteral(TARV_SOURCE_DIR "/tests/data/documents/dicts");

QStringList Apply(const QStringList& rest) {
    return QStringList{QStringLiteral("apply"), QStringLiteral("--dictionaries"), kDicts} + rest;
}

QByteArray Read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray To1251(const QString& text) {
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

const QByteArray kBom = "\xEF\xBB\xBF";

} // namespace

TEST(CliApply, WritesNameWithYoBesideTheInput) {
    TestFolder dir;
    const QString in =
        dir.Write1251(QStringLiteral("Записка.txt"), QStringLiteral("Он пришел еще раз.\nКот спит."));
    const CliResult r = RunCli(Apply({in}));
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    const QString out = dir.Path(QStringLiteral("Записка (ё).txt"));
    EXPECT_EQ(Read(out), To1251(QStringLiteral("Он пришёл ещё раз.\r\nКот спит.\r\n")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Найдено вхождений: 2"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("записано букв: 2"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(out)) << r.err.toStdString();
    EXPECT_EQ(Read(in), To1251(QStringLiteral("Он пришел еще раз.\nКот спит.")));
}

TEST(CliApply, ExitCodesAndOptions) {
    TestFolder dir;
    // Nothing to change: 0, and the copy is written all the same.
    const QString clean = dir.WriteUtf8(QStringLiteral("clean.txt"), QStringLiteral("Кот спит."));
    const CliResult none = RunCli(Apply({clean, QStringLiteral("-o"), dir.Path(QStringLiteral("c.txt"))}));
    EXPECT_EQ(none.code, 0) << none.err.toStdString();
    EXPECT_EQ(Read(dir.Path(QStringLiteral("c.txt"))), kBom + QStringLiteral("Кот спит.\r\n").toUtf8());

    // «все» is rated 0 by default: left alone; «все равно» is rated 2: --min-level 2 still writes it.
    const QString vse = dir.WriteUtf8(QStringLiteral("vse.txt"), QStringLiteral("Мне все равно, все тут."));
    const CliResult level = RunCli(Apply({vse, QStringLiteral("--min-level"), QStringLiteral("2"),
                                          QStringLiteral("-o"), QStringLiteral("-")}));
    EXPECT_EQ(level.code, 1) << level.err.toStdString();
    EXPECT_EQ(level.raw, kBom + QStringLiteral("Мне всё равно, все тут.\r\n").toUtf8());
    // --search 2 leaves the unambiguous words alone.
    const QString both = dir.WriteUtf8(QStringLiteral("both.txt"), QStringLiteral("Еще все равно."));
    const CliResult two = RunCli(Apply(
        {both, QStringLiteral("--search"), QStringLiteral("2"), QStringLiteral("-o"), QStringLiteral("-")}));
    EXPECT_EQ(two.raw, kBom + QStringLiteral("Еще всё равно.\r\n").toUtf8());
    // --yo-words: the words already written with «ё» are found too, and kept.
    const QString yo = dir.WriteUtf8(QStringLiteral("yo.txt"), QStringLiteral("Ёж и еж."));
    const CliResult yoWords =
        RunCli(Apply({yo, QStringLiteral("--yo-words"), QStringLiteral("-o"), QStringLiteral("-")}));
    EXPECT_EQ(yoWords.raw, kBom + QStringLiteral("Ёж и ёж.\r\n").toUtf8());
    EXPECT_TRUE(yoWords.err.contains(QStringLiteral("Найдено вхождений: 2"))) << yoWords.err.toStdString();

    const struct {
        const char* What;
        QStringList Args;
        const char* MessageHas;
    } errors[] = {
        {"no file", Apply({}), "Не указан файл"},
        {"missing file", Apply({dir.Path(QStringLiteral("нет.txt"))}), "нет.txt"},
        {"output over the input", Apply({clean, QStringLiteral("-o"), clean}), "совпадает с исходным"},
        {"bad level", Apply({clean, QStringLiteral("--min-level"), QStringLiteral("3")}), "--min-level"},
        {"bad encoding", Apply({clean, QStringLiteral("--encoding"), QStringLiteral("koi8-r")}), "koi8-r"},
        {"unknown option", Apply({clean, QStringLiteral("--frobnicate")}), "--frobnicate"},
    };
    for (const auto& e : errors) {
        const CliResult r = RunCli(e.Args);
        EXPECT_EQ(r.code, 2) << e.What;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(e.MessageHas))) << e.What << ": " << r.err.toStdString();
    }
    EXPECT_EQ(Read(clean), kBom + QStringLiteral("Кот спит.").toUtf8());

    const CliResult help = RunCli({QStringLiteral("apply"), QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(QString::fromUtf8(help.raw).contains(QStringLiteral("--min-level")));
}

TEST(CliApply, StandardInputToStandardOutput) {
    const CliResult r = RunCli(Apply({QStringLiteral("-")}), To1251(QStringLiteral("Еще\nи еще")));
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    EXPECT_EQ(r.raw, To1251(QStringLiteral("Ещё\r\nи ещё\r\n")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("стандартный вывод"))) << r.err.toStdString();
}

TEST(CliApply, Encodings) {
    TestFolder dir;
    // A UTF-8 book saved as windows-1251 declares it.
    const QString book =
        dir.WriteBytes(QStringLiteral("b.fb2"),
                       QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<p>Еще Ω</p>").toUtf8());
    const CliResult fb2 = RunCli(Apply({book, QStringLiteral("--encoding"), QStringLiteral("windows-1251")}));
    EXPECT_EQ(fb2.code, 1) << fb2.err.toStdString();
    EXPECT_EQ(
        Read(dir.Path(QStringLiteral("b (ё).fb2"))),
        To1251(QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<p>Ещё &#937;</p>\r\n")));

    // Plain text with a character windows-1251 lacks is refused, and no file appears.
    const QString text = dir.WriteUtf8(QStringLiteral("t.txt"), QStringLiteral("еще\nΩ"));
    const CliResult txt = RunCli(Apply({text, QStringLiteral("--encoding"), QStringLiteral("windows-1251")}));
    EXPECT_EQ(txt.code, 2);
    EXPECT_TRUE(txt.err.contains(QStringLiteral("строке 2"))) << txt.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.Path(QStringLiteral("t (ё).txt"))));

    // windows-1251 to UTF-8 is not provided for: an error, not a silent nothing.
    const QString cp = dir.Write1251(QStringLiteral("cp.txt"), QStringLiteral("еще"));
    const CliResult up = RunCli(Apply({cp, QStringLiteral("--encoding"), QStringLiteral("utf-8")}));
    EXPECT_EQ(up.code, 2);
    EXPECT_TRUE(up.err.contains(QStringLiteral("не предусмотрен"))) << up.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.Path(QStringLiteral("cp (ё).txt"))));
}

// check and apply read every type through the same loader.
TEST(CliApply, EveryTypeThroughTheLoader) {
    const QString fixtures = QStringLiteral(TARV_SOURCE_DIR "/tests/data/documents/");
    for (const char* name :
         {"роман.fb2", "роман-1251.fb2", "страница.html", "данные.xml", "заметка.txt", "документ.rtf"}) {
        TestFolder dir;
        const CliResult check = RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), kDicts,
                                        fixtures + QString::fromUtf8(name)});
        EXPECT_EQ(check.code, 1) << name << check.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(check.raw).contains(QStringLiteral("пришел → пришёл  777"))) << name;
        const CliResult apply = RunCli(Apply(
            {fixtures + QString::fromUtf8(name), QStringLiteral("-o"), dir.Path(QStringLiteral("out"))}));
        EXPECT_EQ(apply.code, 1) << name << apply.err.toStdString();
    }

    TestFolder dir;
    const QString lies = dir.WriteBytes(
        QStringLiteral("lies.fb2"),
        QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<p>еще</p>").toUtf8());
    const CliResult check = RunCli({QStringLiteral("check"), QStringLiteral("--dictionaries"), kDicts, lies});
    EXPECT_EQ(check.code, 1);
    EXPECT_TRUE(check.err.contains(QStringLiteral("прочитан как UTF-8"))) << check.err.toStdString();

    QByteArray binary("MZ\x90");
    binary.append('\0');
    const QString exe = dir.WriteBytes(QStringLiteral("program.txt"), binary);
    const CliResult bad = RunCli(Apply({exe}));
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("нулевой байт"))) << bad.err.toStdString();
    const CliResult truncated =
        RunCli(Apply({dir.WriteBytes(QStringLiteral("cut.rtf"), "{\\rtf1\\ansi \\'e5\\'f9")}));
    EXPECT_EQ(truncated.code, 2);
    EXPECT_TRUE(truncated.err.contains(QStringLiteral("cut.rtf"))) << truncated.err.toStdString();
}

#include "dictionaryset.h"
#include "error.h"
#include "testfiles.h"
#include "textfile.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(TextFile, EncodingsAndLineBreaks) {
    TestFolder dir;
    const QString text = QStringLiteral("ёжик\r\nЁлка\rвсё\nещё");
    QStringEncoder le(QStringEncoder::Utf16LE);
    QStringEncoder be(QStringEncoder::Utf16BE);
    const QString files[] = {
        dir.WriteUtf8(QStringLiteral("utf8.txt"), text),
        dir.WriteBytes(QStringLiteral("le.txt"), QByteArray("\xFF\xFE") + QByteArray(le.encode(text))),
        dir.WriteBytes(QStringLiteral("be.txt"), QByteArray("\xFE\xFF") + QByteArray(be.encode(text))),
        dir.Write1251(QStringLiteral("cp.txt"), text),
    };
    const QStringList expected = {QStringLiteral("ёжик"), QStringLiteral("Ёлка"), QStringLiteral("всё"),
                                  QStringLiteral("ещё")};
    for (const QString& f : files)
        EXPECT_EQ(ReadTextFileLines(f), expected) << f.toStdString();
}

TEST(TextFile, SplitLinesKeepsEmptyLinesButNoPhantomLastLine) {
    EXPECT_EQ(SplitLines(QStringLiteral("a\n\nb\n")), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(SplitLines(QStringLiteral(" a \t")), QStringList({" a \t"}));
    EXPECT_TRUE(SplitLines(QString()).isEmpty());
}

TEST(TextFile, Windows1251RoundTripAndUnmappable) {
    const QString text = QStringLiteral("Ёлка ёж — «да»");
    EXPECT_EQ(DecodeWindows1251(EncodeWindows1251(text)), text);
    EXPECT_EQ(EncodeWindows1251(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
}

TEST(TextFile, UnreadableFileNamesItself) {
    try {
        ReadTextFileLines(QStringLiteral("/nonexistent/словарь.txt"));
        FAIL();
    } catch (const TDError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("/nonexistent/словарь.txt")));
    }
}

TEST(Dictionary, EFormsAndCaseInsensitiveLookup) {
    TestFolder dir;
    TDDictionary d;
    EXPECT_FALSE(d.LoadFromFile(dir.Path(QStringLiteral("missing.txt"))));
    ASSERT_TRUE(d.LoadFromFile(dir.WriteUtf8(QStringLiteral("u.txt"), QStringLiteral("Ёжик\nещё\nёлка"))));
    EXPECT_EQ(d.EWords()[0], QStringLiteral("ежик"));
    EXPECT_EQ(d.EWords().IndexOf(QStringLiteral("ЕЖИК")), 0);
    EXPECT_EQ(d.YoWords().IndexOf(QStringLiteral("ЁЛКА")), 2);
    EXPECT_EQ(d.EWords().IndexOf(QStringLiteral("нет")), -1);

    d.AppendFromFile(dir.Write1251(QStringLiteral("user.txt"), QStringLiteral("ЁЖИК\nпришёл\nЁЖИК")));
    d.AppendFromFile(dir.Path(QStringLiteral("missing.txt")));
    EXPECT_EQ(d.EWords().Count(), d.YoWords().Count());
    EXPECT_EQ(d.YoWords().Count(), 4);
    EXPECT_EQ(d.YoWords()[3], QStringLiteral("пришёл"));
    EXPECT_EQ(d.EWords()[3], QStringLiteral("пришел"));
}

TEST(Dictionary, FirstOfEqualItemsWins) {
    TDWordList list;
    list.Add(QStringLiteral("Все"));
    list.Add(QStringLiteral("все"));
    EXPECT_EQ(list.IndexOf(QStringLiteral("ВСЕ")), 0);
}

TEST(DualsDictionary, FirstLineOfAWordDecides) {
    TestFolder dir;
    TDDualsDictionary d;
    d.LoadFromFile(dir.WriteUtf8(QStringLiteral("a.txt"),
                                 QStringLiteral("всё\nвсё\t2\t1\n\n\tсёла\t-1\t\nнёбо\tx\t2\n\"a\tb\"\t1")),
                   false);
    ASSERT_EQ(d.UniqueDualEWords().Count(), 4);
    EXPECT_EQ(d.UniqueDualYoWords().Count(), 4);
    EXPECT_EQ(d.DefaultReplaceLevel().size(), 4);
    EXPECT_EQ(d.UniqueDualEWords()[0], QStringLiteral("все"));
    EXPECT_EQ(d.DefaultReplaceLevel()[0], QStringLiteral("0"));
    EXPECT_EQ(d.UniqueDualYoWords()[1], QStringLiteral("сёла"));
    EXPECT_EQ(d.DefaultReplaceLevel()[1], QStringLiteral("-1"));
    EXPECT_EQ(d.DefaultLevelAt(2), 0); // "x" is no integer
    EXPECT_EQ(d.UniqueDualYoWords()[3], QStringLiteral("\"a\tb\""));

    ASSERT_EQ(d.Details().size(), 5);
    EXPECT_EQ(d.Details()[1].ReplaceLevel, 2);
    EXPECT_EQ(d.Details()[1].WordKind, wkAllowableYo);
    EXPECT_EQ(d.Details()[0].WordKind, wkUnknown);
    EXPECT_EQ(d.Details()[3].WordKind, wkAllowableE);

    // A user file appends; the standard file (Append false) starts afresh.
    d.LoadFromFile(dir.WriteUtf8(QStringLiteral("b.txt"), QStringLiteral("ВСЁ\t-2\nосёл\t1")), true);
    EXPECT_EQ(d.UniqueDualEWords().Count(), 5);
    EXPECT_EQ(d.DefaultReplaceLevel()[0], QStringLiteral("0"));
    d.LoadFromFile(dir.Path(QStringLiteral("b.txt")), false);
    EXPECT_EQ(d.UniqueDualEWords().Count(), 2);
}

TEST(DualsDictionary, TabColumns) {
    struct Case {
        QString line;
        QStringList columns;
    };
    const Case cases[] = {
        {QStringLiteral("a\tb\tc\td"), {"a", "b", "c"}},
        {QStringLiteral("\t\ta\t\tc\t"), {"a", "", "c"}},
        {QStringLiteral("\"x\ty\"\tz"), {"\"x\ty\"", "z"}},
        {QStringLiteral("\t\t"), {}},
        {QStringLiteral("one"), {"one"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitTabColumns(c.line), c.columns) << c.line.toStdString();
}

TEST(MorphologyBases, LinesWithATab) {
    TestFolder dir;
    TDMorphologyBases m;
    m.LoadFromFile(dir.WriteUtf8(QStringLiteral("m.txt"),
                                 QStringLiteral("без табуляции\nёлки\tёлк\nёлки\tдругая\nдлинная\t") +
                                     QString(300, QChar(0x0431))));
    EXPECT_EQ(m.YoWords().Count(), 3);
    EXPECT_EQ(m.BaseOf(QStringLiteral("ЁЛКИ")), QStringLiteral("ёлк"));
    EXPECT_EQ(m.BaseOf(QStringLiteral("без табуляции")), QString());
    EXPECT_EQ(m.BaseOf(QStringLiteral("длинная")).size(), 255);
}

TEST(UserDictionary, KindFromFirstLine) {
    EXPECT_EQ(DictionaryKindOfFirstLine(QStringLiteral(";CONTEXT")), 3);
    EXPECT_EQ(DictionaryKindOfFirstLine(QStringLiteral(";context ")), 1); // not exactly ";context"
    EXPECT_EQ(DictionaryKindOfFirstLine(QStringLiteral("всё\t0")), 2);
    EXPECT_EQ(DictionaryKindOfFirstLine(QStringLiteral("ёжик")), 1);
    EXPECT_EQ(DictionaryKindOfFile(QStringLiteral("/nonexistent")), 0);
}

namespace {

// A folder with the four standard files.
void WriteStandardFiles(const TestFolder& dir, const QString& sub, const QString& rules) {
    const QString p = sub.isEmpty() ? QString() : sub + QLatin1Char('/');
    dir.WriteUtf8(p + QStringLiteral("словарь_однозначные.txt"), QStringLiteral("ещё\nёжик"));
    dir.WriteUtf8(p + QStringLiteral("словарь_неоднозначные.txt"), QStringLiteral("всё\t0"));
    dir.WriteUtf8(p + QStringLiteral("словарь_морфология.txt"), QStringLiteral("ёжик\tёжик"));
    dir.WriteUtf8(p + QStringLiteral("словарь_уточнения.txt"), rules);
}

} // namespace

TEST(LoadDictionaries, SequenceAndUserDictionaries) {
    TestFolder dir;
    WriteStandardFiles(dir, QString(), QStringLiteral("всё\tвсе\\s+равно\t2"));
    const TDUserDictionaries users = {
        {dir.WriteUtf8(QStringLiteral("u1.txt"), QStringLiteral("пришёл")), 1, true, false},
        {dir.WriteUtf8(QStringLiteral("u2.txt"), QStringLiteral("нёбо\t1")), 2, true, false},
        {dir.WriteUtf8(QStringLiteral("u3.txt"), QStringLiteral(";context\nвсё\tвсе\\s+мы\t-2")), 3, true,
         false},
        {dir.WriteUtf8(QStringLiteral("off.txt"), QStringLiteral("берёза")), 1, false, false},
        {dir.WriteUtf8(QStringLiteral("odd.txt"), QStringLiteral("слёт")), 7, true, false},
        {dir.Path(QStringLiteral("gone.txt")), 1, true, true},
    };
    TDDictionarySet set;
    QStringList warnings;
    set.LoadDictionaries(dir.Dir(), users, [&](const QString& m) { warnings << m; });
    EXPECT_TRUE(set.Loaded());
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(set.Dictionary.YoWords().Count(), 3);
    EXPECT_EQ(set.Duals.UniqueDualYoWords().Count(), 2);
    ASSERT_EQ(set.ContextRegs.Count(), 1);
    EXPECT_EQ(set.ContextRegs[0]->WordRegExes().size(), 2); // user rules come behind the standard ones
    EXPECT_EQ(set.ContextRegs[0]->ReplaceLevel()[1], -2);
    EXPECT_EQ(set.Morphology.YoWords().Count(), 1);

    // A second call changes nothing, even with another list.
    set.LoadDictionaries(dir.Dir(), {{dir.Path(QStringLiteral("off.txt")), 1, true, false}}, nullptr);
    EXPECT_EQ(set.Dictionary.YoWords().Count(), 3);

    // Unticked dictionaries are loaded when asked to.
    TDDictionarySet all;
    all.LoadDictionaries(dir.Dir(), users, nullptr, false);
    EXPECT_EQ(all.Dictionary.YoWords().Count(), 4);
}

TEST(LoadDictionaries, MissingUnambiguousFileWarns) {
    TestFolder dir;
    TDDictionarySet set;
    QStringList warnings;
    set.LoadDictionaries(dir.Dir(), {}, [&](const QString& m) { warnings << m; });
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], QStringLiteral("Не удаётся найти файл  ") +
                               QDir::toNativeSeparators(dir.Path(QStringLiteral("словарь_однозначные.txt"))));
    EXPECT_TRUE(set.Loaded());
}

TEST(LoadDictionaries, BadRuleLevelStopsTheSequence) {
    TestFolder dir;
    WriteStandardFiles(dir, QString(),
                       QStringLiteral("; комментарий\tс\tтабами\nвсё\tвсе\\s+равно\t2\nвсё\tвсе\t"
                                      "да\nвсё\tвсе\\s+мы\t-2"));
    const TDUserDictionaries users = {
        {dir.WriteUtf8(QStringLiteral("u1.txt"), QStringLiteral("пришёл")), 1, true, false}};
    TDDictionarySet set;
    try {
        set.LoadDictionaries(dir.Dir(), users, nullptr);
        FAIL() << "expected an error";
    } catch (const TDError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("словарь_уточнения.txt"))) << e.what();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("строка 3"))) << e.what();
    }
    EXPECT_FALSE(set.Loaded());
    ASSERT_EQ(set.ContextRegs.Count(), 1);
    EXPECT_EQ(set.ContextRegs[0]->WordRegExes().size(), 1); // the rule before the bad line stays
    EXPECT_EQ(set.Dictionary.YoWords().Count(), 2);         // the user dictionary was not read
}

TEST(LoadDictionaries, FolderRule) {
    {
        TestFolder dir; // all four beside the programs
        WriteStandardFiles(dir, QString(), QString());
        EXPECT_EQ(DictionaryFolder(dir.Dir()), QDir(dir.Dir()).absolutePath());
    }
    {
        TestFolder dir; // all four in the subfolder
        WriteStandardFiles(dir, QStringLiteral("Словари"), QString());
        EXPECT_EQ(DictionaryFolder(dir.Dir()), QDir(dir.Dir()).filePath(QStringLiteral("Словари")));
    }
    {
        // The unambiguous dictionary beside the programs wins; the other three are then not found.
        TestFolder dir;
        WriteStandardFiles(dir, QStringLiteral("Словари"), QString());
        dir.WriteUtf8(QStringLiteral("словарь_однозначные.txt"), QStringLiteral("ещё"));
        TDDictionarySet set;
        set.LoadDictionaries(DictionaryFolder(dir.Dir()), {}, nullptr);
        EXPECT_EQ(set.Dictionary.YoWords().Count(), 1);
        EXPECT_EQ(set.Duals.UniqueDualEWords().Count(), 0);
        EXPECT_EQ(set.Morphology.YoWords().Count(), 0);
    }
}

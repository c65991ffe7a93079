#include "contextentries.h"
#include "contextentry.h"
#include "dictionaryset.h"
#include "error.h"
#include "plaintextanalyser.h"
#include "word2replace.h"
#include "words2replace.h"

#include <gtest/gtest.h>

namespace {

class Analyser : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* w : {u"ещё", u"пришёл", u"её", u"ёлка", u"ёлки"})
            dicts.Dictionary.Add(QString::fromUtf16(w));
        dicts.Duals.AddLine(QStringLiteral("всё\t0"));
        dicts.Duals.AddLine(QStringLiteral("нёбо\t-1"));
        dicts.Duals.AddLine(QStringLiteral("где\t0")); // a made-up entry to see how words are cut
        dicts.Morphology.AddLine(QStringLiteral("ёлка\tёлк"));
        dicts.Morphology.AddLine(QStringLiteral("ёлки\tёлк"));
        PlainTextProgress = nullptr;
        PlainTextProcessEvents = nullptr;
        PlainTextStop = false;
    }
    void TearDown() override {
        PlainTextProgress = nullptr;
        PlainTextProcessEvents = nullptr;
        PlainTextStop = false;
    }

    void Scan(const QStringList& lines, bool withYo = false, int restriction = 3, bool allRules = false) {
        FindAllWordsInText(lines, words, groups, entries, withYo, restriction, allRules, dicts);
    }

    TDDictionarySet dicts;
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
};

} // namespace

TEST_F(Analyser, MarkupLineWithoutAndWithYoSearch) {
    Scan({QStringLiteral("<p>Ещё все пришли.</p>")});
    ASSERT_EQ(entries.Count(), 1);
    const TDContextEntry* e = entries[0];
    EXPECT_EQ(e->TextE(), QStringLiteral("все"));
    EXPECT_EQ(e->ChID(), 8);
    EXPECT_EQ(e->IDID(), 0);
    EXPECT_EQ(e->Before(), QStringLiteral("Ещё "));
    EXPECT_EQ(e->After(), QStringLiteral(" пришли."));
    EXPECT_EQ(e->Line(), 0);
    EXPECT_EQ(e->CheckedState(), cbGrayed);

    entries.Clear();
    groups.Clear();
    words.Clear();
    Scan({QStringLiteral("<p>Ещё все пришли.</p>")}, true);
    ASSERT_EQ(entries.Count(), 2);
    EXPECT_EQ(entries[0]->ChID(), 4);
    EXPECT_EQ(entries[0]->IDID(), 0);
    EXPECT_TRUE(entries[0]->IsYoInDoc());
    EXPECT_EQ(entries[0]->TextE(), QStringLiteral("Еще"));
    EXPECT_EQ(entries[0]->TextYo(), QStringLiteral("Ещё"));
    EXPECT_EQ(entries[1]->ChID(), 8);
    EXPECT_EQ(entries[1]->IDID(), 1);
}

TEST_F(Analyser, WhatMatchesAsAWord) {
    struct Case {
        QString line;
        QStringList found;
    };
    const Case cases[] = {
        {QStringLiteral("где-то ГДЕ где5 5где"), {"где", "ГДЕ", "где"}},
        {QStringLiteral("<binary>ещё еще</binary>"), {}},
        {QStringLiteral("ещеelse еще_ ещеё"), {"еще", "еще"}},
        {QStringLiteral("Где"), {"Где"}},
    };
    for (const Case& c : cases) {
        entries.Clear();
        groups.Clear();
        words.Clear();
        Scan({c.line});
        QStringList found;
        for (const TDContextEntry* e : entries)
            found << e->TextEPure();
        EXPECT_EQ(found, c.found) << c.line.toStdString();
    }
}

TEST_F(Analyser, ContextCutting) {
    struct Case {
        QString line;
        QString before;
        QString after;
    };
    const Case cases[] = {
        {QStringLiteral("<p>еще</p>"), QString(), QString()},
        {QStringLiteral("x<Content>a еще b</p>"), QStringLiteral("a "), QStringLiteral(" b")},
        {QStringLiteral("a еще <Content>b"), QString(), QStringLiteral(" <Content>b")},
        {QStringLiteral("<p>еще</p><p>x</p>"), QString(), QStringLiteral("</p><p>x</p>")},
        {QStringLiteral("<p>a <Content>еще"), QString(), QString()},
    };
    for (const Case& c : cases) {
        entries.Clear();
        groups.Clear();
        words.Clear();
        Scan({c.line});
        ASSERT_EQ(entries.Count(), 1) << c.line.toStdString();
        EXPECT_EQ(entries[0]->Before(), c.before) << c.line.toStdString();
        EXPECT_EQ(entries[0]->After(), c.after) << c.line.toStdString();
    }
}

TEST_F(Analyser, WordFormsGroupsAndFinalSort) {
    Scan({QStringLiteral("еще елки"), QStringLiteral("Еще елка")});
    ASSERT_EQ(entries.Count(), 4);
    EXPECT_EQ(entries[0]->ID(), 1);
    EXPECT_EQ(entries[3]->ID(), 4);
    TDWord2Replace* eshche = words.WordByWord(QStringLiteral("еще"));
    ASSERT_NE(eshche, nullptr);
    ASSERT_EQ(eshche->ContextEntries().Count(), 2);
    EXPECT_EQ(eshche->ContextEntries()[0]->TextYo(), QStringLiteral("Ещё")); // upper case sorts first
    EXPECT_EQ(eshche->ContextEntries()[0]->ID(), 3);
    EXPECT_EQ(eshche->WordYo(), QStringLiteral("Ещё")); // the occurrence added last
    EXPECT_EQ(eshche->VisibleCount(), 2);
    EXPECT_TRUE(eshche->Uniqueness());

    // "елки" and "елка" share the base "ёлк": one group, whose WordE the last word rewrote.
    TDWord2Replace* elk = groups.MorfByWord(QStringLiteral("ёлк"));
    ASSERT_NE(elk, nullptr);
    EXPECT_EQ(elk->ContextEntries().Count(), 2);
    EXPECT_EQ(elk->WordE(), QStringLiteral("елка"));
    EXPECT_EQ(groups.Count(), 2);
    EXPECT_EQ(words.Count(), 3);
}

TEST_F(Analyser, WordWithoutBaseJoinsGroupByItsKey) {
    // A group opened for "ёлки" by its base is re-keyed to whatever was added last; a word without
    // a base then joins the first group whose WordE is its key.
    Scan({QStringLiteral("еще"), QStringLiteral("Еще")});
    EXPECT_EQ(groups.Count(), 1);
    EXPECT_EQ(groups[0]->ContextEntries().Count(), 2);
    EXPECT_EQ(groups[0]->Morf(), QString());
}

TEST_F(Analyser, DroppedWordsStillCountAsMatches) {
    dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+мы\t-999"));
    Scan({QStringLiteral("все мы и еще")});
    ASSERT_EQ(entries.Count(), 1);
    EXPECT_EQ(entries[0]->TextE(), QStringLiteral("еще"));
    EXPECT_EQ(entries[0]->IDID(), 1); // the dropped "все" was match 0
}

TEST_F(Analyser, RuleInformationAndDefaultLevel) {
    dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+равно\t2"));
    Scan({QStringLiteral("Мне все равно, а небо синее.")});
    ASSERT_EQ(entries.Count(), 2);
    const TDContextEntry* vsyo = entries[0];
    EXPECT_EQ(vsyo->TextE(), QStringLiteral("все равно"));
    EXPECT_EQ(vsyo->TextYo(), QStringLiteral("всё равно"));
    EXPECT_EQ(vsyo->TextEPure(), QStringLiteral("все"));
    EXPECT_EQ(vsyo->TextYoPure(), QStringLiteral("всё"));
    EXPECT_EQ(vsyo->RegExN(), 0);
    EXPECT_EQ(vsyo->RuleN(), 1);
    EXPECT_EQ(vsyo->ReplaceLevel(), 2);
    EXPECT_EQ(vsyo->After(), QStringLiteral(", а небо синее."));
    const TDContextEntry* nebo = entries[1];
    EXPECT_EQ(nebo->ReplaceLevel(), -1); // the dictionary default
    EXPECT_EQ(nebo->RegExN(), -1);
    EXPECT_EQ(nebo->RuleN(), 999);
    EXPECT_EQ(nebo->BeforeShort(), QStringLiteral("Мне все равно, а "));
}

TEST_F(Analyser, ProgressStopAndAppending) {
    QList<int> lineIds;
    PlainTextProgress = [&](QObject*, int added, int id, int, int, int, TDSearchKind kind) {
        lineIds << id;
        EXPECT_EQ(kind, skBegin);
        EXPECT_EQ(added, id); // one entry per line below
        if (id == 2)
            PlainTextStop = true;
    };
    Scan({QStringLiteral("еще"), QStringLiteral("еще"), QStringLiteral("еще"), QStringLiteral("еще")});
    EXPECT_EQ(lineIds, QList<int>({0, 1, 2}));
    EXPECT_EQ(entries.Count(), 2);

    PlainTextStop = false;
    PlainTextProgress = nullptr;
    Scan({QStringLiteral("Еще")}); // a new run adds to what is there
    EXPECT_EQ(entries.Count(), 3);
    EXPECT_EQ(words.Count(), 1);
    EXPECT_EQ(entries[2]->ID(), 1);
    EXPECT_EQ(words[0]->ContextEntries()[0]->TextYo(), QStringLiteral("Ещё"));
}

TEST_F(Analyser, BadRuleFailsTheRunCleanly) {
    dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе(\t2"));
    EXPECT_THROW(Scan({QStringLiteral("еще"), QStringLiteral("все")}), TDError);
    EXPECT_EQ(entries.Count(), 1); // what was found before the failure; the caller clears it
}

TEST_F(Analyser, ManyLinesKeepTheirIndex) {
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines << (i % 1000 == 999 ? QStringLiteral("а еще") : QStringLiteral("строка"));
    Scan(lines);
    ASSERT_EQ(entries.Count(), 100);
    EXPECT_EQ(entries[99]->Line(), 99999);
    EXPECT_EQ(entries[70]->Line(), 70999);
}

TEST_F(Analyser, LongLineSharesItsText) {
    QString line;
    for (int i = 0; i < 50000; ++i)
        line += QStringLiteral("еще все, ");
    ASSERT_GT(line.size(), 400000);
    dicts.ContextRegs.AddLine(QStringLiteral("всё\t(?<![а-яё])все,\t1"));
    Scan({line});
    ASSERT_EQ(entries.Count(), 100000);
    const TDContextEntry* last = entries[99999];
    EXPECT_EQ(last->ChID(), line.size() - 4);
    EXPECT_EQ(last->TextYo(), QStringLiteral("всё,"));
    EXPECT_EQ(last->BeforeShort(), QStringLiteral("еще все, еще все, еще "));
}

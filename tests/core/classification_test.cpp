#include "contextentries.h"
#include "contextentry.h"
#include "dictionaryset.h"
#include "word2replace.h"
#include "words2replace.h"
#include "yosearchrec.h"

#include <gtest/gtest.h>

namespace {

class Classification : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* w : {u"ещё", u"пришёл", u"ёлка"})
            dicts.Dictionary.Add(QString::fromUtf16(w));
        dicts.Duals.AddLine(QStringLiteral("всё\t0"));
        dicts.Duals.AddLine(QStringLiteral("нёбо\t-999"));
        dicts.Duals.AddLine(QStringLiteral("осёл\t1"));
        dicts.Duals.AddLine(QStringLiteral("стрехах\t0")); // a dictionary word holding "трех"
        dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+равно\t2"));
        dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+мы\t-999"));
    }

    // Classifies one word in the context "<before><word><after>".
    bool Classify(const QString& word, TDClassification& out, int restriction = 3,
                  const QString& before = QString(), const QString& after = QString()) {
        rec.Prepare(word, word, dicts);
        TDClassifySettings s;
        s.Restriction = restriction;
        return ClassifyWord(rec, dicts, s, TDTextSlice(before), TDTextSlice(after), out);
    }

    TDDictionarySet dicts;
    TDYoSearchRec rec;
};

} // namespace

TEST_F(Classification, FormsAndLevels) {
    struct Case {
        const char16_t* word;
        bool accepted;
        const char16_t* formE;
        const char16_t* formYo;
        const char16_t* yo; // the word's ё-form
        bool unique;
    };
    const Case cases[] = {
        {u"Трехэтажный", true, u"трех", u"трёх", u"Трёхэтажный", true},
        {u"ТРЕХ", true, u"трех", u"трёх", u"ТРЁХ", true},
        {u"четырехсот", true, u"четырех", u"четырёх", u"четырёхсот", true},
        {u"стрехами", false, u"", u"", u"", false},
        {u"Утрехте", false, u"", u"", u"", false},
        {u"стрехах", true, u"стрехах", u"стрехах", u"стрехах", false}, // in a dictionary after all
        {u"ЕЩЕ", true, u"еще", u"ЕЩЁ", u"ЕЩЁ", true},
        {u"ЕЩЁ", true, u"еще", u"ЕЩЁ", u"ЕЩЁ", true},
        {u"Все", true, u"все", u"Всё", u"Всё", false},
        {u"стол", false, u"", u"", u"", false},
    };
    for (const Case& c : cases) {
        TDClassification out;
        const QString word = QString::fromUtf16(c.word);
        ASSERT_EQ(Classify(word, out), c.accepted) << word.toStdString();
        if (!c.accepted)
            continue;
        EXPECT_EQ(out.FormE, QString::fromUtf16(c.formE)) << word.toStdString();
        EXPECT_EQ(out.FormYo, QString::fromUtf16(c.formYo)) << word.toStdString();
        EXPECT_EQ(out.TextYoPure, QString::fromUtf16(c.yo)) << word.toStdString();
        EXPECT_EQ(out.Unique, c.unique) << word.toStdString();
    }
    // The record of a word already written with "ё".
    TDClassification out;
    Classify(QStringLiteral("ЕЩЁ"), out);
    EXPECT_TRUE(rec.IsYoInWord);
    EXPECT_EQ(rec.WordEFound, QStringLiteral("ЕЩЕ"));
    EXPECT_EQ(rec.WordForDict, QStringLiteral("еще"));
    EXPECT_EQ(out.TextEPure, QStringLiteral("ЕЩЕ"));
}

TEST_F(Classification, Restrictions) {
    struct Case {
        const char16_t* word;
        int restriction;
        bool accepted;
    };
    const Case cases[] = {
        {u"еще", 1, true},        {u"еще", 2, false},       {u"все", 1, false}, {u"все", 2, true},
        {u"трехлетний", 1, true}, {u"трехлетний", 2, true}, {u"еще", 0, true},  {u"все", 0, true},
    };
    for (const Case& c : cases) {
        TDClassification out;
        EXPECT_EQ(Classify(QString::fromUtf16(c.word), out, c.restriction), c.accepted)
            << QString::fromUtf16(c.word).toStdString() << " " << c.restriction;
    }
}

TEST_F(Classification, RatingByDefaultLevelAndRules) {
    TDClassification out;
    ASSERT_TRUE(Classify(QStringLiteral("осел"), out));
    EXPECT_EQ(out.ReplaceLevel, 1); // the dictionary default, no rule set
    EXPECT_FALSE(out.RulesConsulted);

    ASSERT_TRUE(Classify(QStringLiteral("все"), out, 3, QStringLiteral("Мне "), QStringLiteral(" равно.")));
    EXPECT_EQ(out.ReplaceLevel, 2);
    EXPECT_EQ(out.RegExN, 0);
    EXPECT_EQ(out.RuleN, 1);
    EXPECT_EQ(out.TextE, QStringLiteral("все равно"));
    EXPECT_EQ(out.TextYo, QStringLiteral("всё равно"));
    EXPECT_EQ(out.TextEPure, QStringLiteral("все"));
    EXPECT_EQ(out.TextYoPure, QStringLiteral("всё"));
    EXPECT_EQ(out.After.ToString(), QStringLiteral("."));

    // A set consulted without a deciding rule.
    ASSERT_TRUE(Classify(QStringLiteral("все"), out, 3, QStringLiteral("и "), QStringLiteral(" тут")));
    EXPECT_TRUE(out.RulesConsulted);
    EXPECT_EQ(out.RuleN, 999);
    EXPECT_TRUE(out.RuleNs.isEmpty());
    EXPECT_EQ(out.ReplaceLevel, 0);

    // Dropped by a rule, or by the default level.
    EXPECT_FALSE(Classify(QStringLiteral("все"), out, 3, QString(), QStringLiteral(" мы")));
    EXPECT_FALSE(Classify(QStringLiteral("небо"), out));
}

TEST_F(Classification, HostsStartAtZeroAndMayMissCapitalisedRuleKeys) {
    TDClassifySettings s;
    s.UseDefaultLevel = false;
    s.RuleKeyLowerCase = false;
    TDClassification out;
    rec.Prepare(QStringLiteral("Осел"), QStringLiteral("Осел"), dicts);
    ASSERT_TRUE(ClassifyWord(rec, dicts, s, TDTextSlice(), TDTextSlice(), out));
    EXPECT_EQ(out.ReplaceLevel, 0);
    rec.Prepare(QStringLiteral("Все"), QStringLiteral("Все"), dicts);
    ASSERT_TRUE(ClassifyWord(rec, dicts, s, TDTextSlice(), TDTextSlice(QStringLiteral(" равно")), out));
    EXPECT_FALSE(out.RulesConsulted); // "Всё" finds no set written "всё"
}

TEST(InitialCheckState, ByUnambiguityAndYoInDocument) {
    struct Case {
        bool unique;
        bool yo;
        int level;
        TDCheckState state;
        int storedLevel;
        int events;
    };
    const Case cases[] = {
        {true, false, 0, cbChecked, 777, 1},
        {true, true, -2, cbChecked, 777, 1},
        {false, false, 1, cbGrayed, 1, 1},
        {false, true, -1, cbChecked, -1, 2},
    };
    for (const Case& c : cases) {
        TDWords2Replace list;
        int events = 0;
        list.SetOnChangeCheckState([&](TDWord2Replace*, TDContextEntry*, TDCheckState) { ++events; });
        auto* w = new TDWord2Replace(true);
        w->SetParentList(&list);
        list.Add(w);
        auto* e = new TDContextEntry;
        e->SetEntries(&w->ContextEntries());
        w->ContextEntries().Add(e);
        SetInitialCheckState(e, c.unique, c.yo, c.level);
        EXPECT_EQ(e->CheckedState(), c.state);
        EXPECT_EQ(e->ReplaceLevel(), c.storedLevel);
        EXPECT_EQ(events, c.events);
    }
}

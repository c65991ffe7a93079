#include "contextreg.h"
#include "contextregs.h"
#include "error.h"
#include "tdregex.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    QString result;
    QString before;
    QString textE;
    QString after;
    int level;
    int ruleN;
    QList<int> ruleNs;
};

Outcome Analyse(const TDContextReg& reg, const QString& wordYo, const QString& before, const QString& textE,
                const QString& after, bool allRules = false) {
    Outcome o{QString(), before, textE, after, 0, 999, {42}};
    o.result = reg.Analyze(wordYo, o.before, o.after, o.textE, o.level, o.ruleN, o.ruleNs, allRules);
    return o;
}

} // namespace

TEST(ContextRules, DecidingRuleNarrowsAndSuggests) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("все\\s+равно"), 2);
    const Outcome o = Analyse(reg, QStringLiteral("всё"), QStringLiteral("Мне "), QStringLiteral("все"),
                              QStringLiteral(" равно."));
    EXPECT_EQ(o.textE, QStringLiteral("все равно"));
    EXPECT_EQ(o.before, QStringLiteral("Мне "));
    EXPECT_EQ(o.after, QStringLiteral("."));
    EXPECT_EQ(o.level, 2);
    EXPECT_EQ(o.ruleN, 1);
    EXPECT_EQ(o.ruleNs, QList<int>({1}));
    EXPECT_EQ(o.result, QStringLiteral("всё равно"));
}

TEST(ContextRules, SuggestionKeepsTheDocumentsLetterCase) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("все\\s+равно"), 1);
    const Outcome o =
        Analyse(reg, QStringLiteral("ВСЁ"), QString(), QStringLiteral("ВСЕ"), QStringLiteral(" РАВНО"));
    EXPECT_EQ(o.result, QStringLiteral("ВСЁ РАВНО"));
}

TEST(ContextRules, MatchesThatDoNotCoverTheWord) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("мне"), 2);   // only in the context before
    reg.AddNew(QStringLiteral("равно"), 2); // only in the context after
    const Outcome o = Analyse(reg, QStringLiteral("всё"), QStringLiteral("Мне "), QStringLiteral("все"),
                              QStringLiteral(" равно."));
    EXPECT_EQ(o.result, QStringLiteral("всё"));
    EXPECT_EQ(o.textE, QStringLiteral("все"));
    EXPECT_EQ(o.before, QStringLiteral("Мне "));
    EXPECT_EQ(o.level, 0);
    EXPECT_EQ(o.ruleN, 999);
    EXPECT_TRUE(o.ruleNs.isEmpty());
}

TEST(ContextRules, LaterMatchOfTheSameRuleCovers) {
    // The first match lies before the word; the second one covers it.
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("(?<![а-яё])все(?![а-яё])"), -1);
    const Outcome o =
        Analyse(reg, QStringLiteral("всё"), QStringLiteral("все они и "), QStringLiteral("все"), QString());
    EXPECT_EQ(o.before, QStringLiteral("все они и "));
    EXPECT_EQ(o.level, -1);
    EXPECT_EQ(o.result, QStringLiteral("все")); // a level of 0 or less keeps the е-form
}

TEST(ContextRules, NonPositiveLevelLeavesTheEForm) {
    for (int level : {0, -2, -999}) {
        TDContextReg reg(0, QStringLiteral("всё"));
        reg.AddNew(QStringLiteral("все\\s+мы"), level);
        const Outcome o =
            Analyse(reg, QStringLiteral("Всё"), QString(), QStringLiteral("Все"), QStringLiteral(" мы тут"));
        EXPECT_EQ(o.result, QStringLiteral("Все мы"));
        EXPECT_EQ(o.level, level);
    }
}

TEST(ContextRules, AllRulesOnlyForLowerCaseVsyo) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("никак"), 2);
    reg.AddNew(QStringLiteral("все\\s+равно"), 2);
    reg.AddNew(QStringLiteral("равно\\s+мне"), -1); // overlaps the stretch of rule 2
    reg.AddNew(QStringLiteral("все"), 1);
    struct Case {
        QString wordYo;
        bool allRules;
        QList<int> ruleNs;
    };
    const Case cases[] = {
        {QStringLiteral("всё"), true, {2, 3, 4}},
        {QStringLiteral("всё"), false, {2}},
        {QStringLiteral("Всё"), true, {2}},
    };
    for (const Case& c : cases) {
        const QString textE =
            c.wordYo == QStringLiteral("Всё") ? QStringLiteral("Все") : QStringLiteral("все");
        const Outcome o = Analyse(reg, c.wordYo, QString(), textE, QStringLiteral(" равно мне"), c.allRules);
        EXPECT_EQ(o.ruleN, 2);
        EXPECT_EQ(o.ruleNs, c.ruleNs) << c.wordYo.toStdString();
        EXPECT_EQ(o.level, 2);
        EXPECT_EQ(o.textE, textE + QStringLiteral(" равно"));
    }
}

TEST(ContextRules, PatternCuttingIntoTheWord) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("се\\s+равно"), 2);
    const Outcome o =
        Analyse(reg, QStringLiteral("всё"), QString(), QStringLiteral("все"), QStringLiteral(" равно"));
    EXPECT_EQ(o.textE, QStringLiteral("се равно"));
    EXPECT_EQ(o.result, QStringLiteral("сё равно")); // the ё-form written over the shared letters
}

TEST(ContextRules, CacheGivesTheSameAnswers) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("(?<![а-яё])все(?=\\s+равно)"), 2);
    reg.AddNew(QStringLiteral("(?<![а-яё])все\\s+\\w+"), -1);
    const QString line = QStringLiteral("все люди, все равно, все мы");
    TDRuleMatchCache cache;
    for (qsizetype at : {0, 10, 21}) {
        qsizetype b1 = at, l1 = 3, b2 = at, l2 = 3;
        int lv1 = 0, lv2 = 0, r1 = 999, r2 = 999;
        QList<int> n1, n2;
        const QString s1 = reg.AnalyzeIn(QStringLiteral("всё"), line, b1, l1, lv1, r1, n1, false, nullptr);
        const QString s2 = reg.AnalyzeIn(QStringLiteral("всё"), line, b2, l2, lv2, r2, n2, false, &cache);
        EXPECT_EQ(s1, s2);
        EXPECT_EQ(b1, b2);
        EXPECT_EQ(l1, l2);
        EXPECT_EQ(lv1, lv2);
        EXPECT_EQ(n1, n2);
    }
}

TEST(ContextRules, BadPatternNamesWordAndRule) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("все("), 2);
    try {
        Analyse(reg, QStringLiteral("всё"), QString(), QStringLiteral("все"), QString());
        FAIL();
    } catch (const TDError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("всё")));
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Правило 1")));
    }
}

TEST(ContextRegs, FileFormat) {
    TestFolder dir;
    TDContextRegs regs;
    regs.LoadFromFile(
        dir.WriteUtf8(QStringLiteral("r.txt"),
                      QStringLiteral(";context\n; a\tcomment\twith tabs\n\nвсё\tвсе\\s+равно\t2\n"
                                     "нём\tв\\s+нем\t1\nвсё\tвсе\\s+мы\t-2\n")),
        false);
    ASSERT_EQ(regs.Count(), 2);
    TDContextReg* vsyo = regs.RegExByWord(QStringLiteral("всё"), false);
    ASSERT_NE(vsyo, nullptr);
    EXPECT_EQ(vsyo->N(), 0);
    EXPECT_EQ(vsyo->WordRegExes(), QStringList({"все\\s+равно", "все\\s+мы"}));
    EXPECT_EQ(vsyo->ReplaceLevel(), QList<int>({2, -2}));
    EXPECT_EQ(regs.RegExByWord(QStringLiteral("Всё"), false), nullptr); // keys are exact
    TDContextReg* fresh = regs.RegExByWord(QStringLiteral("осёл"), true);
    EXPECT_EQ(fresh->N(), 2);
    EXPECT_EQ(regs.Count(), 3);

    regs.LoadFromFile(dir.Path(QStringLiteral("missing.txt")), true);
    EXPECT_EQ(regs.Count(), 3);
    regs.LoadFromFile(dir.Path(QStringLiteral("missing.txt")), false);
    EXPECT_EQ(regs.Count(), 0);
}

TEST(ContextRegs, LineWithFewerThanTwoTabsIsAConversionError) {
    TDContextRegs regs;
    EXPECT_THROW(regs.AddLine(QStringLiteral("всё\tвсе равно")), TDError);
    EXPECT_THROW(regs.AddLine(QStringLiteral("всё")), TDError);
    EXPECT_NO_THROW(regs.AddLine(QStringLiteral("всё\t\t-999")));
}

TEST(Regex, MatchesOnUtf16WithOffsets) {
    TDRegex re(QStringLiteral("(?<![а-яё])[А-я]*[Ее][А-я]*(?![а-яё0-9])"));
    QList<QPair<qsizetype, qsizetype>> found;
    const QString text = QStringLiteral("Где-то ГДЕ где5 😀все") + QChar(0xD800) + QStringLiteral("есть");
    re.ForEachMatch(text, [&](qsizetype s, qsizetype l) {
        found.append({s, l});
        return true;
    });
    // "Где", "ГДЕ", then "все" behind an emoji (two code units), "есть" behind a lone surrogate.
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found[0], qMakePair(qsizetype(0), qsizetype(3)));
    EXPECT_EQ(found[1], qMakePair(qsizetype(7), qsizetype(3)));
    EXPECT_EQ(found[2], qMakePair(qsizetype(18), qsizetype(3)));
    EXPECT_EQ(found[3], qMakePair(qsizetype(22), qsizetype(4)));
}

TEST(Regex, EmptyMatchesAdvance) {
    TDRegex re(QStringLiteral("x*"));
    int n = 0;
    re.ForEachMatch(QStringLiteral("abc"), [&](qsizetype, qsizetype) { return ++n < 100; });
    EXPECT_EQ(n, 4);
    EXPECT_THROW(TDRegex(QStringLiteral("(")), TDError);
    EXPECT_FALSE(TDRegex::CompileError(QStringLiteral("[")).isEmpty());
}

TEST(ContextRules, CachedScanAgreesWithAFullScanForEveryWordOfALine) {
    TDContextReg reg(0, QStringLiteral("всё"));
    reg.AddNew(QStringLiteral("(?<![а-яё])все\\s+равно"), 2);
    reg.AddNew(QStringLiteral("(?<![а-яё])\\w+\\s+все(?![а-яё])"), -1); // overlapping candidates
    reg.AddNew(QStringLiteral("x*"), 1);                                // empty matches everywhere
    reg.AddNew(QStringLiteral("все"), 1);
    const QString line = QStringLiteral("все равно, мы все, они все равно все и все все. Все");
    QList<qsizetype> starts;
    for (qsizetype at = line.indexOf(QStringLiteral("все"), 0, Qt::CaseInsensitive); at >= 0;
         at = line.indexOf(QStringLiteral("все"), at + 1, Qt::CaseInsensitive))
        starts << at;
    for (bool allRules : {false, true}) {
        TDRuleMatchCache cache;
        for (qsizetype at : starts) {
            qsizetype b1 = at, l1 = 3, b2 = at, l2 = 3;
            int lv1 = 0, lv2 = 0, r1 = 999, r2 = 999;
            QList<int> n1, n2;
            const QString s1 =
                reg.AnalyzeIn(QStringLiteral("всё"), line, b1, l1, lv1, r1, n1, allRules, nullptr);
            const QString s2 =
                reg.AnalyzeIn(QStringLiteral("всё"), line, b2, l2, lv2, r2, n2, allRules, &cache);
            EXPECT_EQ(s1, s2) << at;
            EXPECT_EQ(b1, b2) << at;
            EXPECT_EQ(l1, l2) << at;
            EXPECT_EQ(r1, r2) << at;
            EXPECT_EQ(n1, n2) << at;
        }
    }
}

TEST(Regex, LiteralPrefixOnlyWhenEveryMatchBeginsWithIt) {
    struct Case {
        const char* pattern;
        const char16_t* prefix;
    };
    const Case cases[] = {
        {"(*UCP)(?<![а-яё])все\\s+равно(?![а-яё])", u"все"},
        {"(?<=\\s)Все-таки", u"все"},
        {"все?", u"вс"},           // the last letter is optional
        {"(?:мы|вы)\\s+все", u""}, // starts with a group
        {"все|чем", u""},          // top-level alternative
        {"все\\Kравно", u""},      // \K moves the start
        {"ещ[её]", u"ещ"},
        {"(?i)все", u""}, // inline options
        {"в", u""},       // too short to help
    };
    for (const Case& c : cases) {
        const QString expected = QString::fromUtf16(c.prefix);
        const QString got = TDRegex::LiteralPrefix(QString::fromUtf8(c.pattern));
        EXPECT_EQ(got, expected.size() >= 2 ? expected : QString()) << c.pattern;
    }
}

TEST(Regex, PrefixScanFindsTheSameMatchesAsAFullScan) {
    const QString text =
        QStringLiteral("ВСЕ равно, все-таки Все, всеми, все\u00A0равно, ещё ЕЩЕ еще; мы все. Всё все");
    const QString folded = TDRegex::CaseFolded(text);
    for (const char* pattern :
         {"(?<![а-яё])все(?![а-яё])", "все\\s*", "(*UCP)все\\s+равно", "ещ[её]", "(?<![а-яё])все[а-яё]*"}) {
        TDRegex re(QString::fromUtf8(pattern));
        ASSERT_FALSE(re.Prefix().isEmpty()) << pattern;
        QList<QPair<qsizetype, qsizetype>> full, fast;
        re.ForEachMatch(text, [&](qsizetype s, qsizetype l) {
            full.append({s, l});
            return true;
        });
        re.ScanFromFolded(text, folded, 0, [&](qsizetype s, qsizetype l) {
            fast.append({s, l});
            return true;
        });
        EXPECT_EQ(fast, full) << pattern;
    }
}

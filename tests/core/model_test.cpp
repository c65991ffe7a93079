#include "contextentries.h"
#include "contextentry.h"
#include "orderings.h"
#include "strutils.h"
#include "word2replace.h"
#include "words2replace.h"

#include <gtest/gtest.h>

namespace {

// A word-form list with one word form holding the given number of entries.
TDWord2Replace* AddWord(TDWords2Replace& list, const QString& wordE, int entryCount = 0,
                        bool unique = false) {
    auto* w = new TDWord2Replace(true);
    w->SetParentList(&list);
    w->SetWordE(wordE);
    w->SetUniqueness(unique);
    list.Add(w);
    for (int i = 0; i < entryCount; ++i) {
        auto* e = new TDContextEntry;
        e->SetEntries(&w->ContextEntries());
        w->ContextEntries().Add(e);
    }
    return w;
}

} // namespace

TEST(ContextEntry, NewEntryDefaults) {
    TDContextEntry e;
    EXPECT_EQ(e.CheckedState(), cbUnchecked);
    EXPECT_TRUE(e.Visible());
    EXPECT_EQ(e.RegExN(), -1);
    EXPECT_EQ(e.RuleN(), 999);
    EXPECT_TRUE(e.RuleNs().isEmpty());
    EXPECT_EQ(e.Entries(), nullptr);
}

TEST(ContextEntry, FilterValueBits) {
    struct Case {
        bool unique;
        bool yoInDoc;
        int level;
        TDCheckState state;
        int expected;
    };
    const Case cases[] = {
        {true, false, 777, cbChecked, 1 | 8 | 512},          {false, false, 999, cbGrayed, 2 | 8 | 2048},
        {false, true, 3, cbUnchecked, 2 | 4 | 1024},         {false, false, 2, cbGrayed, 2 | 8 | 16 | 2048},
        {false, false, 1, cbGrayed, 2 | 8 | 32 | 2048},      {false, false, -1, cbGrayed, 2 | 8 | 64 | 2048},
        {false, false, -2, cbUnchecked, 2 | 8 | 128 | 1024}, {false, false, 0, cbGrayed, 2 | 8 | 256 | 2048},
    };
    for (const Case& c : cases) {
        TDWords2Replace list;
        TDWord2Replace* w = AddWord(list, QStringLiteral("все"), 1, c.unique);
        TDContextEntry* e = w->ContextEntries()[0];
        e->SetIsYoInDoc(c.yoInDoc);
        e->SetReplaceLevel(c.level);
        e->SetCheckedState(c.state);
        EXPECT_EQ(e->GetFilterValue(), c.expected) << "level " << c.level;
        EXPECT_EQ(w->GetFilterValue(), c.unique ? 1 : 2);
    }
}

TEST(ContextEntry, EveryAssignmentReachesTheOwner) {
    TDWords2Replace list;
    int calls = 0;
    TDCheckState last = cbUnchecked;
    list.SetOnChangeCheckState([&](TDWord2Replace*, TDContextEntry*, TDCheckState s) {
        ++calls;
        last = s;
    });
    TDWord2Replace* w = AddWord(list, QStringLiteral("еще"), 1);
    TDContextEntry* e = w->ContextEntries()[0];
    e->SetCheckedState(cbChecked);
    e->SetCheckedState(cbChecked);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(last, cbChecked);

    TDContextEntry detached; // not attached: no owner to tell, no crash
    detached.SetCheckedState(cbGrayed);
    EXPECT_EQ(detached.CheckedState(), cbGrayed);
}

TEST(ContextEntry, FullStringUsesTheSuggestionWhenTheDocumentHasYo) {
    TDContextEntry e;
    e.SetBefore(TDTextSlice(QStringLiteral("Мне ")));
    e.SetAfter(TDTextSlice(QStringLiteral(".")));
    e.SetTextE(QStringLiteral("все"));
    e.SetTextYo(QStringLiteral("всё"));
    EXPECT_EQ(e.FullString(), QStringLiteral("Мне все."));
    e.SetIsYoInDoc(true);
    EXPECT_EQ(e.FullString(), QStringLiteral("Мне всё."));
}

TEST(ContextEntries, CheckedCountByVisibility) {
    TDWords2Replace list;
    TDWord2Replace* w = AddWord(list, QStringLiteral("все"), 4);
    TDContextEntries& es = w->ContextEntries();
    es[0]->SetCheckedState(cbGrayed);
    es[1]->SetCheckedState(cbGrayed);
    es[1]->SetVisible(false);
    es[2]->SetCheckedState(cbChecked);
    es[3]->SetCheckedState(cbGrayed);
    es[3]->SetVisible(false);
    EXPECT_EQ(es.CheckedCount(cbGrayed, 0), 3);
    EXPECT_EQ(es.CheckedCount(cbGrayed, 1), 1);
    EXPECT_EQ(es.CheckedCount(cbGrayed, -1), 2);
    EXPECT_EQ(es.CheckedCount(cbGrayed, 2), 0);
    EXPECT_EQ(es.CheckedCount(cbChecked, 0), 1);
    EXPECT_EQ(es.VisibleCount(true), 2);
    EXPECT_EQ(es.VisibleCount(false), 2);
}

TEST(Words2Replace, LookupsIgnoreCase) {
    TDWords2Replace list;
    AddWord(list, QStringLiteral("ежик"));
    TDWord2Replace* eshche = AddWord(list, QStringLiteral("еще"));
    TDWord2Replace* group = AddWord(list, QStringLiteral("елки"));
    group->SetMorf(QStringLiteral("ёлк"));
    TDWord2Replace* noBase = AddWord(list, QStringLiteral("все"));
    noBase->SetMorf(QString());

    EXPECT_EQ(list.WordByWord(QStringLiteral("ЕЩЕ")), eshche);
    EXPECT_EQ(list.WordByWord(QStringLiteral("нет")), nullptr);
    EXPECT_EQ(list.MorfByWord(QStringLiteral("ЁЛК")), group);
    EXPECT_EQ(list.MorfByWord(QString()), nullptr); // even though groups with an empty base exist
}

TEST(Words2Replace, OrderingsOfWordForms) {
    TDWords2Replace list;
    AddWord(list, QStringLiteral("b"), 2);
    AddWord(list, QStringLiteral("A"), 5);
    AddWord(list, QStringLiteral("ё"), 3);
    AddWord(list, QStringLiteral("а"), 3);
    list.Sort(CompareWordsByEntryCount);
    EXPECT_EQ(list[0]->WordE(), QStringLiteral("A"));
    EXPECT_EQ(list[3]->WordE(), QStringLiteral("b"));
    list.Sort(CompareWordsByName);
    // Latin letters fold to lower case; Cyrillic compares by code unit ("а" U+0430 < "ё" U+0451).
    const QStringList expected = {QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("а"),
                                  QStringLiteral("ё")};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list[i]->WordE(), expected[i]);
}

TEST(ContextEntries, OrderingsOfEntries) {
    TDWords2Replace list;
    TDWord2Replace* w = AddWord(list, QStringLiteral("еще"), 3);
    TDContextEntries& es = w->ContextEntries();
    es[0]->SetTextYo(QStringLiteral("ещё"));
    es[0]->SetLine(70000); // beyond 16 bits
    es[0]->SetRuleN(999);
    es[1]->SetTextYo(QStringLiteral("Ещё"));
    es[1]->SetLine(2);
    es[1]->SetColumn(5);
    es[1]->SetRuleN(1);
    es[2]->SetTextYo(QStringLiteral("ЕЩЁ"));
    es[2]->SetLine(2);
    es[2]->SetColumn(1);
    es[2]->SetRuleN(3);
    es.Sort(CompareEntriesByTextYo);
    EXPECT_EQ(es[0]->TextYo(), QStringLiteral("ЕЩЁ"));
    EXPECT_EQ(es[1]->TextYo(), QStringLiteral("Ещё"));
    EXPECT_EQ(es[2]->TextYo(), QStringLiteral("ещё"));
    es.Sort(CompareEntriesByPosition);
    EXPECT_EQ(es[0]->Column(), 1);
    EXPECT_EQ(es[2]->Line(), 70000);
    es.Sort(CompareEntriesByRule);
    EXPECT_EQ(es[0]->RuleN(), 1);
    EXPECT_EQ(es[2]->RuleN(), 999);
}

TEST(Ownership, GroupsAndFlatListOnlyRefer) {
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries flat;
    TDWord2Replace* w = AddWord(words, QStringLiteral("еще"), 2);
    auto* g = new TDWord2Replace(false);
    groups.Add(g);
    for (TDContextEntry* e : w->ContextEntries()) {
        g->ContextEntries().Add(e);
        flat.Add(e);
    }
    groups.Clear();
    flat.Clear();
    EXPECT_EQ(w->ContextEntries().Count(), 2); // still there; released once, with the word form
    EXPECT_EQ(w->ContextEntries()[1]->CheckedState(), cbUnchecked);
}

TEST(ShortForms, CutAtSpaces) {
    struct Case {
        QString text;
        QString before;
        QString after;
    };
    const QString six = QStringLiteral("раз два три четыре пять шесть");
    const Case cases[] = {
        {QString(25, QChar(0x0430)), QString(25, QChar(0x0430)), QString(25, QChar(0x0430))},
        {six, QStringLiteral("три четыре пять шесть"), QStringLiteral("раз два три четыре пять")},
        {QString(20, QLatin1Char('x')), QString(20, QLatin1Char('x')), QString(20, QLatin1Char('x'))},
        {QString(30, QLatin1Char('x')), QString(30, QLatin1Char('x')), QString(30, QLatin1Char('x'))},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortenBefore(c.text, 20), c.before) << c.text.toStdString();
        EXPECT_EQ(ShortenAfter(c.text, 20), c.after) << c.text.toStdString();
    }
}

TEST(ShortForms, CleanForOneLine) {
    EXPECT_EQ(CleanShort(TDTextSlice(QStringLiteral("a\tb\r\nc"))).ToString(), QStringLiteral("a bc"));
    const QString line = QStringLiteral("0123456789");
    const TDTextSlice slice(line, 2, 3);
    EXPECT_EQ(CleanShort(slice).ToString(), QStringLiteral("234"));
}

TEST(StrUtils, YoPatternKeepsLetterCase) {
    struct Case {
        const char16_t* word;
        const char16_t* pattern;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"ВСЕ", u"всё", u"ВСЁ"},          {u"Все", u"всё", u"Всё"}, {u"елочка", u"ёлочка", u"ёлочка"},
        {u"Елочка", u"ёлочка", u"Ёлочка"}, {u"ещ", u"ещё", u"ещ"}, // pattern longer than the word
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyYoPattern(QString::fromUtf16(c.word), QString::fromUtf16(c.pattern)),
                  QString::fromUtf16(c.expected));
    EXPECT_EQ(YoToLowerE(QStringLiteral("ЁжиК")), QStringLiteral("ежиК"));
    EXPECT_EQ(YoToE(QStringLiteral("ЁЖИК ёж")), QStringLiteral("ЕЖИК еж"));
}

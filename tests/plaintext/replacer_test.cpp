#include "contextentries.h"
#include "contextentry.h"
#include "decisions.h"
#include "dictionaryset.h"
#include "linereplacer.h"
#include "plaintextanalyser.h"
#include "word2replace.h"
#include "words2replace.h"

#include <gtest/gtest.h>

namespace {

class Replacement : public ::testing::Test {
protected:
    void SetUp() override {
        dicts.Dictionary.Add(QStringLiteral("ещё"));
        dicts.Duals.AddLine(QStringLiteral("всё\t0"));
        dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+равно\t2"));
        dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+мы\t-1"));
    }
    void Analyse(bool withYo = false) {
        FindAllWordsInText(lines, words, groups, entries, withYo, 3, false, dicts);
    }

    TDDictionarySet dicts;
    QStringList lines;
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
};

} // namespace

TEST(Decisions, NeedsChangeAndAgree) {
    struct Case {
        int level;
        bool yoInDoc;
        TDCheckState before;
        int minLevel;
        TDCheckState after;
        bool needsChange;
    };
    const Case cases[] = {
        {777, false, cbChecked, 1, cbChecked, true}, {2, false, cbGrayed, 1, cbChecked, true},
        {1, false, cbGrayed, 1, cbChecked, true},    {1, false, cbGrayed, 2, cbGrayed, false},
        {0, false, cbGrayed, 1, cbGrayed, false},    {-1, false, cbGrayed, 1, cbUnchecked, false},
        {-2, true, cbChecked, 1, cbUnchecked, true}, {3, false, cbGrayed, 1, cbGrayed, false},
        {0, true, cbChecked, 1, cbChecked, false},   {0, false, cbGrayed, 0, cbGrayed, false},
    };
    for (const Case& c : cases) {
        TDContextEntry e;
        e.SetReplaceLevel(c.level);
        e.SetIsYoInDoc(c.yoInDoc);
        e.SetCheckedState(c.before);
        AgreeWithSuggestion(e, c.minLevel);
        EXPECT_EQ(e.CheckedState(), c.after) << c.level << " min " << c.minLevel;
        EXPECT_EQ(NeedsChange(e), c.needsChange) << c.level;
    }
}

TEST_F(Replacement, WritesLettersInPlaceKeepingCase) {
    lines = {QStringLiteral("Еще раз, и все равно ЕЩЕ."), QStringLiteral("А все мы — всё.")};
    const QStringList original = lines;
    Analyse(true);
    AgreeWithSuggestions(entries);
    TDLineReplacer replacer;
    const int changed = replacer.Replace(lines, entries);
    EXPECT_EQ(lines[0], QStringLiteral("Ещё раз, и всё равно ЕЩЁ."));
    // "все мы" is rejected (level -1) and already "е"; "всё" at the end stays undecided: unchanged.
    EXPECT_EQ(lines[1], QStringLiteral("А все мы — всё."));
    EXPECT_EQ(changed, 3);
    EXPECT_EQ(replacer.Skipped(), 0);
    for (const TDContextEntry* e : entries) {
        if (e->Line() == 0) {
            EXPECT_TRUE(e->IsYoInDoc());
        }
    }
    // A second run changes nothing more.
    EXPECT_EQ(replacer.Replace(lines, entries), 0);
    EXPECT_NE(lines, original);
}

TEST_F(Replacement, RejectedYoBecomesEAndHiddenOrGrayedStay) {
    lines = {QStringLiteral("всё и всё, и Всё")};
    Analyse(true);
    ASSERT_EQ(entries.Count(), 3);
    // Entries come in order of creation in the flat list.
    entries[0]->SetCheckedState(cbUnchecked); // becomes "все"
    entries[1]->SetCheckedState(cbUnchecked);
    entries[1]->SetVisible(false);         // filtered out: untouched
    entries[2]->SetCheckedState(cbGrayed); // undecided: untouched
    TDLineReplacer replacer;
    EXPECT_EQ(replacer.Replace(lines, entries), 1);
    EXPECT_EQ(lines[0], QStringLiteral("все и всё, и Всё"));
    EXPECT_FALSE(entries[0]->IsYoInDoc());
    EXPECT_TRUE(entries[1]->IsYoInDoc());
}

TEST_F(Replacement, LinesThatNoLongerMatchAreLeftAlone) {
    lines = {QStringLiteral("еще"), QStringLiteral("еще")};
    Analyse();
    QStringList other = {QStringLiteral("нет"), QStringLiteral("еще")};
    TDLineReplacer replacer;
    EXPECT_EQ(replacer.Replace(other, entries), 1);
    EXPECT_EQ(other, QStringList({"нет", "ещё"}));
    EXPECT_EQ(replacer.Skipped(), 1);
    QStringList shorter = {QStringLiteral("еще")};
    replacer.Replace(shorter, entries);
    EXPECT_EQ(shorter, QStringList({"ещё"}));
}

// A review read back over a document: whether the document holds "ё" comes from the document.
TEST_F(Replacement, ReadYoInDocFollowsTheDocument) {
    lines = {QStringLiteral("Еще и еще.")};
    Analyse();
    ASSERT_EQ(entries.Count(), 2);
    for (TDContextEntry* e : entries)
        e->SetIsYoInDoc(true); // as a list saved after replacing says
    QStringList reopened = {QStringLiteral("Ещё и еще.")};
    EXPECT_EQ(TDLineReplacer::ReadYoInDoc(reopened, entries), 0);
    EXPECT_TRUE(entries[0]->IsYoInDoc());
    EXPECT_FALSE(entries[1]->IsYoInDoc());
    TDLineReplacer replacer;
    EXPECT_EQ(replacer.Replace(reopened, entries), 1);
    EXPECT_EQ(reopened, QStringList({"Ещё и ещё."}));
    // Another text, and an occurrence without a place: counted, left as they were.
    QStringList other = {QStringLiteral("Кот и еще.")};
    entries[1]->SetIsYoInDoc(true);
    entries[0]->SetChID(0);
    EXPECT_EQ(TDLineReplacer::ReadYoInDoc(other, entries), 0);
    EXPECT_FALSE(entries[1]->IsYoInDoc());
    EXPECT_EQ(TDLineReplacer::ReadYoInDoc({QStringLiteral("Кот.")}, entries), 1);
}

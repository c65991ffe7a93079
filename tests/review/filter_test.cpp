#include "contextentries.h"
#include "contextentry.h"
#include "dictionaryset.h"
#include "filtercontroller.h"
#include "plaintextanalyser.h"
#include "word2replace.h"
#include "words2replace.h"

#include <gtest/gtest.h>

namespace {

class Filter : public ::testing::Test {
protected:
    void SetUp() override {
        dicts.Dictionary.Add(QStringLiteral("ещё"));
        dicts.Duals.AddLine(QStringLiteral("всё\t0"));
        dicts.Duals.AddLine(QStringLiteral("нёбо\t-1"));
        dicts.ContextRegs.AddLine(QStringLiteral("всё\tвсе\\s+равно\t2"));
        FindAllWordsInText({QStringLiteral("Все равно."), QStringLiteral("и все здесь, еще."),
                            QStringLiteral("Небо и еще, и всех нет.")},
                           words, groups, entries, false, 3, false, dicts);
    }
    QStringList Visible() const {
        QStringList out;
        for (const TDWord2Replace* w : words) {
            if (!w->Visible())
                continue;
            for (const TDContextEntry* e : w->ContextEntries()) {
                if (e->Visible())
                    out << e->TextE();
            }
        }
        out.sort();
        return out;
    }
    TDWord2Replace* Word(const QString& e) const { return words.WordByWord(e); }

    TDDictionarySet dicts;
    TDWords2Replace words, groups;
    TDContextEntries entries;
    TDFilterController filter;
};

} // namespace

TEST_F(Filter, BoxesHideByKindRatingAndDecision) {
    struct Case {
        QList<int> flipped;
        QStringList visible;
    };
    const Case cases[] = {
        {{}, {"Все равно", "Небо", "все", "еще", "еще"}},
        {{1}, {"Все равно", "Небо", "все"}},          // "1 (е)" cleared: unambiguous gone
        {{2}, {"еще", "еще"}},                        // "2 (е|ё)" cleared
        {{16, 32, 64, 128, 256}, {"еще", "еще"}},     // every rating cleared: level 777 still passes
        {{256}, {"Все равно", "Небо", "еще", "еще"}}, // "неизвестно" cleared
        {{2048}, {"еще", "еще"}}, // "не обработанные" cleared: undecided gone
    };
    for (const Case& c : cases) {
        filter.Reset();
        for (int bit : c.flipped)
            filter.Flip(bit);
        filter.Apply(words);
        EXPECT_EQ(Visible(), c.visible) << c.flipped.size();
    }
    // A word form all of whose occurrences are hidden disappears; counts follow.
    filter.Reset();
    filter.Flip(2048);
    filter.Apply(words);
    EXPECT_FALSE(Word(QStringLiteral("все"))->Visible());
    EXPECT_EQ(Word(QStringLiteral("все"))->VisibleCount(), 0);
    EXPECT_EQ(Word(QStringLiteral("еще"))->VisibleCount(), 2);
}

TEST_F(Filter, FreeTextIsCaseSensitiveInTheESpelling) {
    struct Case {
        QString text;
        QStringList visible;
    };
    // The text is sought in the whole line of the occurrence, in its е-spelling.
    const Case cases[] = {
        {QStringLiteral("все"), {"Небо", "все", "еще", "еще"}}, // «все» also inside «всех»; not in «Все»
        {QStringLiteral("Все"), {"Все равно"}},
        {QStringLiteral("всё"), {}},
        {QStringLiteral("о и еще"), {"Небо", "еще"}}, // across the word's boundaries
    };
    for (const Case& c : cases) {
        filter.Reset();
        filter.SetCustom(true, c.text);
        filter.Apply(words);
        EXPECT_EQ(Visible(), c.visible) << c.text.toStdString();
    }
}

TEST_F(Filter, ShowAllUndoesEverything) {
    filter.Flip(1);
    filter.Flip(2048);
    filter.Apply(words);
    TDFilterController::ShowAll(words);
    filter.Reset();
    EXPECT_EQ(Visible().size(), 5);
    EXPECT_EQ(Word(QStringLiteral("все"))->VisibleCount(), 2);
    EXPECT_EQ(filter.EntryFilter(), 4095);
    EXPECT_EQ(filter.WordFilter(), 3);
    EXPECT_FALSE(filter.CustomOn());
}

#include "../core/testfiles.h"
#include "contextentries.h"
#include "contextentry.h"
#include "decisions.h"
#include "documenttesting.h"
#include "error.h"
#include "replacementlist.h"
#include "textfile.h"
#include "word2replace.h"
#include "words2replace.h"

#include <gtest/gtest.h>

namespace {

TDContextEntry* AddEntry(TDWord2Replace* word, TDContextEntries& all, const QString& textYo,
                         TDCheckState state, int level) {
    auto* e = new TDContextEntry;
    e->SetEntries(&word->ContextEntries());
    word->ContextEntries().Add(e);
    e->SetTextYo(textYo);
    e->SetTextE(textYo);
    e->SetCheckedState(state);
    e->SetReplaceLevel(level);
    all.Add(e);
    return e;
}

TDWord2Replace* AddWord(TDWords2Replace& words, const QString& wordYo, bool unique) {
    auto* w = new TDWord2Replace(true);
    w->SetParentList(&words);
    w->SetWordYo(wordYo);
    w->SetUniqueness(unique);
    words.Add(w);
    return w;
}

QStringList FileLines(const QByteArray& bytes) {
    QStringList lines = DecodeWindows1251(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TEST(ReplacementList, String2Columns) {
    const struct {
        const char* Line;
        char Delimiter;
        QStringList Columns;
    } cases[] = {
        {"всё\t2\t1", '\t', {"всё", "2", "1"}},
        {"a\t\tc", '\t', {"a", "", "c"}},
        {"a\t", '\t', {"a", ""}},
        {"\t", '\t', {"", ""}},
        {"", '\t', {}},
        {" a | b ", '|', {" a ", " b "}},
        {"\"a|b\"|c", '|', {"\"a|b\"", "c"}},
        {"x\"a|b|c", '|', {"x\"a|b|c"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(String2Columns(QString::fromUtf8(c.Line), QLatin1Char(c.Delimiter)), c.Columns) << c.Line;
}

TEST(ReplacementList, ContextEscaping) {
    const struct {
        const char* Text;
        const char* Stored;
        const char* ReadBack;
    } cases[] = {
        {"конец.\r\nНачало", "конец.^pНачало", "конец.\rНачало"},
        {"a\rb", "a^pb", "a\rb"},
        // A lone LF is escaped too, so it cannot break the line structure of the file.
        {"a\nb", "a^pb", "a\rb"},
        {"a\r\n\r\nb", "a^p^pb", "a\r\rb"},
        {"plain", "plain", "plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeContext(QString::fromUtf8(c.Text)), QString::fromUtf8(c.Stored)) << c.Stored;
        EXPECT_EQ(UnescapeContext(EscapeContext(QString::fromUtf8(c.Text))), QString::fromUtf8(c.ReadBack))
            << c.Stored;
    }
    EXPECT_EQ(UnescapeContext(QStringLiteral("x^Py^pz")), QStringLiteral("x\ry\rz"));
}

// A model written and read back: word forms in lower case, decisions, flags, levels and contexts, and
// one OnChangeCheckState per occurrence read.
TEST(ReplacementList, WriteAndRead) {
    TDWords2Replace words;
    TDContextEntries all;
    TDWord2Replace* vse = AddWord(words, QStringLiteral("Всё"), false);
    TDContextEntry* e1 = AddEntry(vse, all, QStringLiteral("всё"), cbChecked, 2);
    e1->SetBeforeShort(QStringLiteral("мне "));
    e1->SetAfterShort(QStringLiteral(" равно"));
    e1->SetBefore(QStringLiteral("конец.\r\nНачало, мне "));
    e1->SetAfter(QStringLiteral(" равно Ω"));
    e1->SetLine(3);
    e1->SetChID(7);
    e1->SetTextYoPure(QStringLiteral("всё"));
    TDContextEntry* e2 = AddEntry(vse, all, QStringLiteral("Всё"), cbGrayed, 0);
    e2->SetIsYoInDoc(true);
    e2->SetVisible(false);
    AddWord(words, QStringLiteral("нёбо"), false);
    TDWord2Replace* yozh = AddWord(words, QStringLiteral("ёж"), true);
    AddEntry(yozh, all, QStringLiteral("ёж"), cbUnchecked, 777);

    const QByteArray bytes = ReplacementListBytes(words);
    const QStringList lines = FileLines(bytes);
    ASSERT_EQ(lines.size(), 1 + 10 + 1 + 1 + 5);
    EXPECT_EQ(lines[0], QStringLiteral("Всё\t2\t2"));
    EXPECT_EQ(lines[1], QStringLiteral("всё|1|0|1|2|3|7|всё"));
    EXPECT_EQ(lines[4], QStringLiteral("конец.^pНачало, мне "));
    EXPECT_EQ(lines[5], QStringLiteral(" равно ?")); // windows-1251 has no Ω
    EXPECT_EQ(lines[6], QStringLiteral("Всё|2|1|0|0|0|0|"));
    EXPECT_EQ(lines[11], QStringLiteral("нёбо\t2\t0"));
    EXPECT_EQ(lines[12], QStringLiteral("ёж\t1\t1"));
    EXPECT_EQ(lines[13], QStringLiteral("ёж|0|0|1|777|0|0|"));

    TestFolder dir;
    const QString file = dir.Path(QStringLiteral("список.wtr"));
    SaveReplacementList(words, file);
    EXPECT_EQ(ReadBytes(file), bytes);

    TDWords2Replace read;
    TDWords2Replace groups;
    TDContextEntries entries;
    int events = 0;
    read.SetOnChangeCheckState([&](TDWord2Replace* w, TDContextEntry* e, TDCheckState) {
        EXPECT_EQ(e->Entries(), &w->ContextEntries());
        ++events;
    });
    AddWord(groups, QStringLiteral("старое"), false);
    ASSERT_TRUE(WTRFileOpen(file, read, groups, entries));
    EXPECT_EQ(events, 3);
    EXPECT_EQ(groups.Count(), 0);
    ASSERT_EQ(read.Count(), 3);
    ASSERT_EQ(entries.Count(), 3);
    const TDWord2Replace* w = read[0];
    EXPECT_EQ(w->WordYo(), QStringLiteral("всё"));
    EXPECT_EQ(w->WordE(), QStringLiteral("все"));
    EXPECT_FALSE(w->Uniqueness());
    EXPECT_EQ(w->VisibleCount(), 2);
    ASSERT_EQ(w->ContextEntries().Count(), 2);
    const TDContextEntry* r1 = w->ContextEntries()[0];
    EXPECT_EQ(r1->TextYo(), QStringLiteral("всё"));
    EXPECT_EQ(r1->TextE(), QStringLiteral("все"));
    EXPECT_EQ(r1->CheckedState(), cbChecked);
    EXPECT_EQ(r1->ReplaceLevel(), 2);
    EXPECT_EQ(r1->Before(), QStringLiteral("конец.\rНачало, мне "));
    EXPECT_EQ(r1->After(), QStringLiteral(" равно ?"));
    EXPECT_EQ(r1->BeforeShort(), QStringLiteral("мне "));
    EXPECT_EQ(r1->Line(), 3);
    EXPECT_EQ(r1->ChID(), 7);
    EXPECT_EQ(r1->TextYoPure(), QStringLiteral("всё"));
    EXPECT_EQ(r1->TextEPure(), QStringLiteral("все"));
    EXPECT_TRUE(HasDocumentPlace(*r1));
    const TDContextEntry* r2 = w->ContextEntries()[1];
    EXPECT_EQ(r2->TextE(), QStringLiteral("Все"));
    EXPECT_EQ(r2->CheckedState(), cbGrayed);
    EXPECT_TRUE(r2->IsYoInDoc());
    EXPECT_FALSE(r2->Visible());
    EXPECT_FALSE(HasDocumentPlace(*r2));
    EXPECT_EQ(read[1]->ContextEntries().Count(), 0);
    EXPECT_TRUE(read[2]->Uniqueness());
    EXPECT_EQ(entries[2]->ReplaceLevel(), 777);
    EXPECT_EQ(entries[2]->Line(), 0);

    // A name that does not exist loads nothing and changes nothing.
    EXPECT_FALSE(WTRFileOpen(dir.Path(QStringLiteral("нет.wtr")), read, groups, entries));
    EXPECT_EQ(read.Count(), 3);
}

// A file written by a later version, with more columns per line, and blank lines at its end.
TEST(ReplacementList, ExtraColumnsAndTrailingBlankLinesAreIgnored) {
    const QString text = QStringLiteral("всё\t2\t1\textra\r\n"
                                        "всё|1|0|1|2|12|5|Всё|later\r\n"
                                        "bs\r\nas\r\nb\r\na\r\n\r\n\r\n");
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    ReadReplacementList(To1251(text), QStringLiteral("new.wtr"), words, groups, entries);
    ASSERT_EQ(entries.Count(), 1);
    EXPECT_EQ(entries[0]->ReplaceLevel(), 2);
    EXPECT_EQ(entries[0]->After(), QStringLiteral("a"));
    EXPECT_EQ(entries[0]->Line(), 12);
    EXPECT_EQ(entries[0]->ChID(), 5);
    EXPECT_EQ(entries[0]->TextYoPure(), QStringLiteral("Всё"));
    EXPECT_EQ(entries[0]->TextEPure(), QStringLiteral("Все"));
}

// A list of the five-field form (written by older versions) loads without places in the document.
TEST(ReplacementList, FiveFieldListHasNoDocumentPlaces) {
    const QString text = QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2\r\nbs\r\nas\r\nb\r\na\r\n");
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    ReadReplacementList(To1251(text), QStringLiteral("old.wtr"), words, groups, entries);
    ASSERT_EQ(entries.Count(), 1);
    EXPECT_EQ(entries[0]->ChID(), 0);
    EXPECT_TRUE(entries[0]->TextYoPure().isEmpty());
    EXPECT_FALSE(HasDocumentPlace(*entries[0]));
}

// A malformed list names its line, and the model that was there stays whole.
TEST(ReplacementList, MalformedListLeavesTheModelAlone) {
    const QString record = QStringLiteral("bs\r\nas\r\nb\r\na\r\n");
    const struct {
        const char* What;
        QString Text;
        int Line;
    } cases[] = {
        {"two header columns", QStringLiteral("всё\t2\r\n"), 1},
        {"count not a number", QStringLiteral("всё\t2\tмного\r\n"), 1},
        {"negative count", QStringLiteral("всё\t2\t-1\r\n"), 1},
        {"four occurrence fields", QStringLiteral("всё\t2\t1\r\nвсё|1|0|1\r\n") + record, 2},
        {"check state 7", QStringLiteral("всё\t2\t1\r\nвсё|7|0|1|2\r\n") + record, 2},
        {"level not a number", QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|два\r\n") + record, 2},
        {"line not a number", QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2|x|5|всё\r\n") + record, 2},
        {"negative position", QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2|3|-5|всё\r\n") + record, 2},
        {"place without a word", QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2|3|5|\r\n") + record, 2},
        {"file ends inside a record", QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2\r\nbs\r\nas\r\n"), 5},
        {"count larger than the records", QStringLiteral("всё\t2\t2\r\nвсё|1|0|1|2\r\n") + record, 7},
        {"blank line in place of a header",
         QStringLiteral("всё\t2\t1\r\nвсё|1|0|1|2\r\n") + record + QStringLiteral("\r\nёж\t1\t0\r\n"), 7},
    };
    for (const auto& c : cases) {
        TDWords2Replace words;
        TDWords2Replace groups;
        TDContextEntries entries;
        TDWord2Replace* old = AddWord(words, QStringLiteral("ещё"), true);
        AddEntry(old, entries, QStringLiteral("ещё"), cbChecked, 777);
        AddWord(groups, QStringLiteral("ещё"), true);
        QString message;
        try {
            ReadReplacementList(To1251(c.Text), QStringLiteral("bad.wtr"), words, groups, entries);
        } catch (const TDError& e) {
            message = e.Message();
        }
        EXPECT_TRUE(message.contains(QStringLiteral("bad.wtr"))) << c.What << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("строка %1").arg(c.Line)))
            << c.What << ": " << message.toStdString();
        ASSERT_EQ(words.Count(), 1) << c.What;
        EXPECT_EQ(words[0], old) << c.What;
        EXPECT_EQ(entries.Count(), 1) << c.What;
        EXPECT_EQ(groups.Count(), 1) << c.What;
    }
}

TEST(ReplacementList, ExportOfAmbiguousOccurrences) {
    TDWords2Replace words;
    TDContextEntries all;
    TDWord2Replace* w = AddWord(words, QStringLiteral("всё"), false);
    const struct {
        const char* Pure;
        int Level;
        bool Exported;
    } cases[] = {
        {"все", 2, true},  {"еще", 777, false},  {"щеки", 0, false},
        {"Щеки", 0, true}, {"перед", 1, false},  {"нем", -1, false},
        {"чем", 0, false}, {"далеко", 0, false}, {"щеку", 0, false},
    };
    for (const auto& c : cases) {
        TDContextEntry* e = AddEntry(w, all, QString::fromUtf8(c.Pure), cbGrayed, c.Level);
        e->SetTextEPure(QString::fromUtf8(c.Pure));
        e->SetTextE(QString::fromUtf8(c.Pure) + QStringLiteral(" равно"));
        e->SetBeforeShort(QStringLiteral("мне\t"));
        e->SetAfterShort(QStringLiteral(", и"));
        EXPECT_EQ(IsExportedDual(*e), c.Exported) << c.Pure;
    }
    EXPECT_EQ(ExportDualsLine(*all[0]), QStringLiteral("все\tмне\t\tвсе равно\t, и\t2"));
    EXPECT_EQ(ExportDualsBytes(all), To1251(QStringLiteral("все\tмне\t\tвсе равно\t, и\t2\r\n"
                                                           "Щеки\tмне\t\tЩеки равно\t, и\t0\r\n")));
}

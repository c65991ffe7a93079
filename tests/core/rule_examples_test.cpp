// The examples of the standard context rules: every rule of data/dictionaries/словарь_уточнения.txt
// is named by a ";@ name" comment, and tests/data/rules/*.txt hold sentences that the named rule
// must decide with its level ("+") and sentences that it must leave to other rules ("-"). The
// sentences run through the plain-text analyser with the real dictionaries, so a rule that stops
// matching, a rule that starts to match where it should not, or a rule put behind a more general
// one fails here.
//
// Example file format (UTF-8):
//   # comment                  a comment; empty lines are skipped
//   @ name level               the rule the following lines are about, with the level it gives;
//                              "@ - level" stands for "no rule decides", i.e. the default level
//   + Он {все}-таки пришёл.    the marked occurrence is decided by that rule with that level
//   - Мне {все} равно.         the marked occurrence is not decided by that rule

#include "contextentries.h"
#include "contextentry.h"
#include "dictionaryset.h"
#include "plaintextanalyser.h"
#include "words2replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kNoRule = QStringLiteral("-");

QString DictionaryDir() {
    return QStringLiteral(TARV_SOURCE_DIR "/data/dictionaries");
}

QString ExamplesDir() {
    return QStringLiteral(TARV_TEST_DATA "/rules");
}

QStringList ReadLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

// One rule line of the rule file.
struct Rule {
    QString word; // the lower-case ё-form it is for
    int number;   // its 1-based position among the rules of that word
    int level;
};

// The named rules: name → its lines (one per word form it covers).
struct RuleFile {
    QMap<QString, QList<Rule>> byName;
    QHash<QString, QHash<int, QString>> nameOf; // word → rule number → name
    QStringList problems;
};

RuleFile ReadRuleFile(const QString& path) {
    RuleFile file;
    QHash<QString, int> counts;
    QString name;
    const QStringList lines = ReadLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QStringLiteral(";@"))) {
            name = line.mid(2).trimmed().section(QLatin1Char(' '), 0, 0);
            if (file.byName.contains(name))
                file.problems << QStringLiteral("line %1: the name «%2» is used twice").arg(i + 1).arg(name);
            continue;
        }
        if (line.isEmpty()) {
            name.clear(); // a name covers the rule lines right below it
            continue;
        }
        if (line.startsWith(QLatin1Char(';')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3) {
            file.problems << QStringLiteral("line %1: not «word TAB pattern TAB level»").arg(i + 1);
            continue;
        }
        const Rule rule{fields[0], ++counts[fields[0]], fields[2].toInt()};
        if (name.isEmpty()) {
            file.problems
                << QStringLiteral("line %1: a rule without a «;@ name» comment above it").arg(i + 1);
            continue;
        }
        QList<Rule>& named = file.byName[name];
        for (const Rule& other : named) {
            if (other.word == rule.word)
                file.problems << QStringLiteral("line %1: «%2» has two rules named «%3»")
                                     .arg(i + 1)
                                     .arg(rule.word, name);
            if (other.level != rule.level)
                file.problems
                    << QStringLiteral("line %1: the rules named «%2» differ in level").arg(i + 1).arg(name);
        }
        named.append(rule);
        file.nameOf[rule.word][rule.number] = name;
    }
    return file;
}

struct Example {
    QString file;
    int lineNo;
    QString name; // rule name or kNoRule
    int level;
    bool decides; // "+" or "-"
    QString sentence;
    qsizetype wordStart; // 0-based position of the marked word in the sentence
    QString word;        // the marked word as written
};

// Reads the examples of one file; problems in the file go to `problems`.
QList<Example> ReadExamples(const QString& path, QStringList& problems) {
    static const QRegularExpression header(QStringLiteral("^@\\s+(\\S+)\\s+(-?\\d+)\\s*$"));
    QList<Example> examples;
    const QString fileName = QFileInfo(path).fileName();
    QString name;
    int level = 0;
    const QStringList lines = ReadLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const QString where = QStringLiteral("%1:%2").arg(fileName).arg(i + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('@'))) {
            const QRegularExpressionMatch m = header.match(line);
            if (!m.hasMatch()) {
                problems << where + QStringLiteral(": a header is «@ name level»");
                name.clear();
                continue;
            }
            name = m.captured(1);
            level = m.captured(2).toInt();
            continue;
        }
        const QChar sign = line[0];
        if ((sign != QLatin1Char('+') && sign != QLatin1Char('-')) || line.size() < 2 ||
            line[1] != QLatin1Char(' ')) {
            problems << where + QStringLiteral(": an example starts with «+ » or «- »");
            continue;
        }
        if (name.isEmpty()) {
            problems << where + QStringLiteral(": an example before any «@ name level» header");
            continue;
        }
        QString sentence = line.mid(2);
        const qsizetype open = sentence.indexOf(QLatin1Char('{'));
        const qsizetype close = sentence.indexOf(QLatin1Char('}'));
        if (open < 0 || close < open + 2 || sentence.indexOf(QLatin1Char('{'), open + 1) >= 0) {
            problems << where + QStringLiteral(": mark exactly one word as {word}");
            continue;
        }
        const QString word = sentence.mid(open + 1, close - open - 1);
        sentence.remove(close, 1);
        sentence.remove(open, 1);
        examples.append(
            Example{fileName, i + 1, name, level, sign == QLatin1Char('+'), sentence, open, word});
    }
    return examples;
}

// What the analyser made of an example's marked word.
struct Outcome {
    bool found = false; // the marked word became an entry of its own
    QString key;        // the lower-case ё-form, which names the word's rules
    QString name;       // the deciding rule's name, kNoRule, or "?" for a rule without one
    int ruleN = kRuleNone;
    int level = 0;
};

class RuleExamples : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dicts = new TDDictionarySet;
        dicts->LoadDictionaries(DictionaryDir(), {}, [](const QString& message) { loadProblems << message; });
        rules = new RuleFile(ReadRuleFile(DictionaryDir() + QStringLiteral("/словарь_уточнения.txt")));
        const QDir dir(ExamplesDir());
        for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            examples.append(ReadExamples(dir.filePath(name), exampleProblems));
        if (!dicts->Loaded())
            return;

        // Every example is a paragraph of its own; one run analyses them all.
        QStringList lines;
        for (const Example& e : examples)
            lines.append(e.sentence);
        TDWords2Replace words;
        TDWords2Replace groups;
        TDContextEntries entries;
        FindAllWordsInText(lines, words, groups, entries, false, 3, false, *dicts);
        QHash<qint64, const TDContextEntry*> byPlace; // line << 32 | position
        for (const TDContextEntry* entry : entries)
            byPlace.insert(qint64(entry->Line()) << 32 | entry->ChID(), entry);
        for (int i = 0; i < examples.size(); ++i) {
            const Example& e = examples[i];
            Outcome o;
            const TDContextEntry* entry = byPlace.value(qint64(i) << 32 | (e.wordStart + 1));
            if (entry && entry->TextEPure() == e.word) {
                o.found = true;
                o.key = entry->TextYoPure().toLower();
                o.ruleN = entry->RuleN();
                o.level = entry->ReplaceLevel();
                o.name =
                    o.ruleN == kRuleNone ? kNoRule : rules->nameOf[o.key].value(o.ruleN, QStringLiteral("?"));
            }
            outcomes.append(o);
        }
    }
    static void TearDownTestSuite() {
        delete dicts;
        delete rules;
        dicts = nullptr;
        rules = nullptr;
        examples.clear();
        outcomes.clear();
        exampleProblems.clear();
        loadProblems.clear();
    }

    static TDDictionarySet* dicts;
    static RuleFile* rules;
    static QList<Example> examples;
    static QList<Outcome> outcomes; // parallel to examples
    static QStringList exampleProblems;
    static QStringList loadProblems;
};

TDDictionarySet* RuleExamples::dicts = nullptr;
RuleFile* RuleExamples::rules = nullptr;
QList<Example> RuleExamples::examples;
QList<Outcome> RuleExamples::outcomes;
QStringList RuleExamples::exampleProblems;
QStringList RuleExamples::loadProblems;

std::string Where(const Example& e) {
    return QStringLiteral("%1:%2 «%3»").arg(e.file).arg(e.lineNo).arg(e.sentence).toStdString();
}

std::string Describe(const Outcome& o) {
    return QStringLiteral("decided by «%1» (rule %2 of «%3») with level %4")
        .arg(o.name)
        .arg(o.ruleN)
        .arg(o.key)
        .arg(o.level)
        .toStdString();
}

} // namespace

TEST_F(RuleExamples, FilesAreWellFormed) {
    ASSERT_TRUE(dicts->Loaded()) << loadProblems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(loadProblems.isEmpty()) << loadProblems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(rules->problems.isEmpty()) << rules->problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(exampleProblems.isEmpty()) << exampleProblems.join(QLatin1Char('\n')).toStdString();
    ASSERT_FALSE(rules->byName.isEmpty());
    ASSERT_FALSE(examples.isEmpty());
    for (const Example& e : examples) {
        if (e.name == kNoRule)
            continue;
        ASSERT_TRUE(rules->byName.contains(e.name))
            << Where(e) << ": no rule is named «" << e.name.toStdString() << "»";
        EXPECT_EQ(rules->byName[e.name].first().level, e.level)
            << Where(e) << ": the header's level is not the rule's";
    }
}

TEST_F(RuleExamples, RulesDecideTheirExamples) {
    ASSERT_EQ(outcomes.size(), examples.size());
    for (int i = 0; i < examples.size(); ++i) {
        const Example& e = examples[i];
        const Outcome& o = outcomes[i];
        if (!o.found) {
            ADD_FAILURE() << Where(e) << ": the marked word is no ambiguous candidate of its own";
            continue;
        }
        if (e.decides) {
            EXPECT_EQ(o.name.toStdString(), e.name.toStdString()) << Where(e) << ": " << Describe(o);
            EXPECT_EQ(o.level, e.level) << Where(e) << ": " << Describe(o);
        } else {
            EXPECT_NE(o.name.toStdString(), e.name.toStdString()) << Where(e) << ": " << Describe(o);
        }
    }
}

TEST_F(RuleExamples, EveryRuleHasExamplesBothWays) {
    ASSERT_EQ(outcomes.size(), examples.size());
    QSet<QString> decided; // name TAB word key
    QSet<QString> leftAlone;
    for (int i = 0; i < examples.size(); ++i) {
        if (examples[i].decides)
            decided.insert(examples[i].name + QLatin1Char('\t') + outcomes[i].key);
        else
            leftAlone.insert(examples[i].name);
    }
    for (auto it = rules->byName.cbegin(); it != rules->byName.cend(); ++it) {
        EXPECT_TRUE(leftAlone.contains(it.key()))
            << "no «-» example of the rule «" << it.key().toStdString() << "»";
        for (const Rule& rule : it.value())
            EXPECT_TRUE(decided.contains(it.key() + QLatin1Char('\t') + rule.word))
                << "no «+» example of the rule «" << it.key().toStdString() << "» for «"
                << rule.word.toStdString() << "»";
    }
}

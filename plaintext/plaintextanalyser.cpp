#include "plaintextanalyser.h"

#include "contextentries.h"
#include "contextentry.h"
#include "contextreg.h"
#include "dictionaryset.h"
#include "orderings.h"
#include "strutils.h"
#include "tdregex.h"
#include "word2replace.h"
#include "words2replace.h"
#include "words2replaceindex.h"
#include "yosearchrec.h"

TDOnFindWordE PlainTextProgress;
bool PlainTextStop = false;
std::function<void()> PlainTextProcessEvents;

const char16_t* const kWordPattern = u"(?<![а-яё])[А-я]*[Ее][А-я]*(?![а-яё0-9])";
const char16_t* const kWordPatternWithYo = u"(?<![а-яё])[А-яЁё]*[ЕеЁё][А-яЁё]*(?![а-яё0-9])";

namespace {

// The markup rules for the context of the words of one line: a leading "<p>" and everything up to
// a "<Content>" tag are not context, nor is a "</p>" that ends the line when it is the first "</p>"
// behind the word. Worked out once per line.
class LineContext {
public:
    explicit LineContext(const QString& line) : fSize(line.size()) {
        if (line.startsWith(QLatin1String("<p>")))
            fStart = 3;
        const qsizetype q = line.indexOf(QLatin1String("<Content>"));
        if (q >= 0)
            fStart = qMax(fStart, q + 9);
        if (line.endsWith(QLatin1String("</p>"))) {
            fClosingP = fSize - 4;
            fPreviousClosingP = fClosingP > 0 ? line.lastIndexOf(QLatin1String("</p>"), fClosingP - 1) : -1;
        }
    }
    // Where the context before a word that starts at wordStart begins.
    qsizetype Start(qsizetype wordStart) const { return qMin(fStart, wordStart); }
    // Where the context behind a word ends, the word ending at afterStart.
    qsizetype End(qsizetype afterStart) const {
        if (fClosingP >= afterStart && fPreviousClosingP < afterStart)
            return fClosingP;
        return fSize;
    }

private:
    qsizetype fSize;
    qsizetype fStart = 0;
    qsizetype fClosingP = -1;         // the "</p>" that ends the line
    qsizetype fPreviousClosingP = -1; // the "</p>" before it
};

} // namespace

void FindAllWordsInText(const QStringList& lines, TDWords2Replace& words, TDWords2Replace& groups,
                        TDContextEntries& entries, bool searchWithYo, int restriction, bool allRules) {
    FindAllWordsInText(lines, words, groups, entries, searchWithYo, restriction, allRules,
                       GlobalDictionaries());
}

void FindAllWordsInText(const QStringList& lines, TDWords2Replace& words, TDWords2Replace& groups,
                        TDContextEntries& entries, bool searchWithYo, int restriction, bool allRules,
                        const TDDictionarySet& dicts) {
    const TDRegex pattern(QString::fromUtf16(searchWithYo ? kWordPatternWithYo : kWordPattern));
    TDClassifySettings settings;
    settings.Restriction = restriction;
    settings.AllRules = allRules;
    settings.UseDefaultLevel = true;
    settings.RuleKeyLowerCase = true;

    TDWords2ReplaceIndex wordIndex(words);
    TDWords2ReplaceIndex groupIndex(groups);
    TDYoSearchRec rec;
    TDClassification result;
    TDRuleMatchCache ruleCache;
    int created = 0;

    auto sortEntries = [&words]() {
        for (TDWord2Replace* w : words)
            w->ContextEntries().Sort(CompareEntriesByTextYo);
    };

    try {
        for (int i = 0; i < lines.size(); ++i) {
            if (PlainTextProgress)
                PlainTextProgress(nullptr, created, i, 0, 0, 0, skBegin);
            if (PlainTextProcessEvents)
                PlainTextProcessEvents();
            if (PlainTextStop)
                break;
            const QString& line = lines[i];
            if (line.contains(QLatin1String("<binary")))
                continue;
            ruleCache.Clear();
            int k = 0;
            const LineContext context(line);
            pattern.ForEachMatch(line, [&](qsizetype start, qsizetype length) {
                const QStringView wordFound = QStringView(line).mid(start, length);
                rec.Prepare(wordFound, wordFound, dicts);
                rec.WordChID = int(start + 1);
                if (!rec.IsFound() && !rec.IsSpecial()) {
                    ++k;
                    return true;
                }
                const qsizetype bStart = context.Start(start);
                const qsizetype aStart = start + length;
                const qsizetype aEnd = context.End(aStart);
                const TDTextSlice before(line, bStart, start - bStart);
                const TDTextSlice after(line, aStart, aEnd - aStart);
                if (!ClassifyWord(rec, dicts, settings, before, after, result, &ruleCache)) {
                    ++k;
                    return true;
                }

                ++created;
                // The word form.
                TDWord2Replace* word = wordIndex.WordByWord(result.FormE);
                if (!word) {
                    word = new TDWord2Replace(true);
                    word->SetParentList(&words);
                    word->SetWordE(result.FormE);
                    wordIndex.Add(word);
                }
                word->SetWordYo(result.FormYo);
                word->SetUniqueness(result.Unique);

                // The morphology group.
                const QString base = dicts.Morphology.BaseOf(result.FormYo);
                TDWord2Replace* group =
                    base.isEmpty() ? groupIndex.WordByWord(result.FormE) : groupIndex.MorfByWord(base);
                if (!group) {
                    group = new TDWord2Replace(false);
                    group->SetParentList(&groups);
                    group->SetWordE(result.FormE);
                    group->SetMorf(base);
                    groupIndex.Add(group);
                }
                groupIndex.SetWordE(group, result.FormE);
                group->SetWordYo(result.FormYo);
                group->SetUniqueness(result.Unique);

                // The entry.
                auto* entry = new TDContextEntry;
                entry->SetID(created);
                entry->SetIDID(k);
                entry->SetChID(int(start + 1));
                entry->SetEntries(&word->ContextEntries());
                entry->SetIsYoInDoc(rec.IsYoInWord);
                entry->SetTextYo(result.TextYo);
                entry->SetTextE(result.TextE);
                entry->SetBefore(result.Before);
                entry->SetAfter(result.After);
                entry->SetBeforeShort(CleanShort(ShortenBefore(result.Before)));
                entry->SetAfterShort(CleanShort(ShortenAfter(result.After)));
                entry->SetLine(i);
                word->ContextEntries().Add(entry); // owned from here on, whatever follows
                SetInitialCheckState(entry, result.Unique, rec.IsYoInWord, result.ReplaceLevel);
                word->SetVisibleCount(word->VisibleCount() + 1);
                group->ContextEntries().Add(entry);
                group->SetVisibleCount(group->VisibleCount() + 1);
                entries.Add(entry);
                entry->SetTextEPure(result.TextEPure);
                entry->SetTextYoPure(result.TextYoPure);
                if (result.RulesConsulted) {
                    entry->SetRegExN(result.RegExN);
                    entry->SetRuleN(result.RuleN);
                    entry->SetRuleNs(result.RuleNs);
                }
                ++k;
                return true;
            });
        }
    } catch (...) {
        sortEntries();
        throw;
    }
    sortEntries();
}

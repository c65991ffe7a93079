#include "yosearchrec.h"

#include "contextentry.h"
#include "contextreg.h"
#include "dictionaryset.h"
#include "strutils.h"

namespace {

// A copy of word in which the "е"/"Е" behind the first occurrence of fragment (letter case ignored)
// at offset within it becomes "ё"/"Ё".
QString YoInFragment(const QString& word, const QString& fragment, qsizetype offset) {
    const qsizetype at = word.indexOf(fragment, 0, Qt::CaseInsensitive);
    if (at < 0)
        return word;
    QString out = word;
    QChar& c = out[at + offset];
    if (c == QChar(0x0435))
        c = QChar(0x0451);
    else if (c == QChar(0x0415))
        c = QChar(0x0401);
    return out;
}

} // namespace

namespace {

// Copies src into dst, reusing dst's buffer when dst owns one big enough: most found words are no
// candidates, and their lookup should cost no allocation.
void AssignView(QString& dst, QStringView src) {
    if (dst.isDetached() && dst.capacity() >= src.size()) {
        dst.resize(src.size());
        std::copy(src.begin(), src.end(), dst.data());
    } else {
        dst = src.toString();
    }
}

} // namespace

void TDYoSearchRec::Prepare(const QString& wordFound, const QString& wordFoundPure,
                            const TDDictionarySet& dicts) {
    Prepare(QStringView(wordFound), QStringView(wordFoundPure), dicts);
}

void TDYoSearchRec::Prepare(QStringView wordFound, QStringView wordFoundPure, const TDDictionarySet& dicts) {
    AssignView(WordFound, wordFound);
    AssignView(WordFoundPure, wordFoundPure);
    WordYoFound.clear();
    IsYoInWord = HasYo(wordFound);
    AssignView(WordEFound, wordFound);
    if (IsYoInWord) {
        for (QChar& c : WordEFound) {
            if (c == QChar(0x0451))
                c = QChar(0x0435);
            else if (c == QChar(0x0401))
                c = QChar(0x0415);
        }
    }
    // The key: "ё" folded to "е", then lower case.
    AssignView(WordForDict, wordFoundPure);
    for (QChar& c : WordForDict) {
        c = c.toLower();
        if (c == QChar(0x0451))
            c = QChar(0x0435);
    }
    ID1 = dicts.Dictionary.EWords().IndexOfLower(WordForDict);
    ID2 = ID1 == -1 ? dicts.Duals.UniqueDualEWords().IndexOfLower(WordForDict) : -1;
    ThreeCondition =
        WordForDict.contains(u"трех") && !WordForDict.contains(u"стреха") && !WordForDict.contains(u"утрехт");
    FourCondition = WordForDict.contains(u"четырех");
}

void TDYoSearchRec::BuildWordYo(const TDDictionarySet& dicts) {
    if (IsYoInWord)
        WordYoFound = WordFound;
    else if (ID1 != -1)
        WordYoFound = ApplyYoPattern(WordFound, dicts.Dictionary.YoWords()[ID1]);
    else if (ID2 != -1)
        WordYoFound = ApplyYoPattern(WordFound, dicts.Duals.UniqueDualYoWords()[ID2]);
    else if (ThreeCondition)
        WordYoFound = YoInFragment(WordFound, QStringLiteral("трех"), 2);
    else if (FourCondition)
        WordYoFound = YoInFragment(WordFound, QStringLiteral("четырех"), 5);
    else
        WordYoFound = WordFound;
}

bool ClassifyWord(TDYoSearchRec& rec, const TDDictionarySet& dicts, const TDClassifySettings& settings,
                  const TDTextSlice& before, const TDTextSlice& after, TDClassification& out,
                  TDRuleMatchCache* cache) {
    // Accept or pass over.
    if (!rec.IsFound() && !rec.IsSpecial())
        return false;
    if (settings.Restriction == 1 && rec.ID2 != -1)
        return false;
    if (settings.Restriction == 2 && rec.ID1 != -1)
        return false;

    rec.BuildWordYo(dicts);

    out.TextE = rec.WordEFound;
    out.TextYo = rec.WordYoFound;
    out.TextEPure = rec.WordEFound;
    out.TextYoPure = rec.WordYoFound;
    out.Before = before;
    out.After = after;
    out.ReplaceLevel = 0;
    out.RulesConsulted = false;
    out.RegExN = kRegExNone;
    out.RuleN = kRuleNone;
    out.RuleNs.clear();

    // Rate an ambiguous word by its default level and its context rules.
    if (rec.ID1 == -1 && rec.ID2 != -1) {
        if (settings.UseDefaultLevel)
            out.ReplaceLevel = dicts.Duals.DefaultLevelAt(rec.ID2);
        const QString key = settings.RuleKeyLowerCase ? rec.WordYoFound.toLower() : rec.WordYoFound;
        if (const TDContextReg* reg = dicts.ContextRegs.Find(key)) {
            out.RulesConsulted = true;
            out.RegExN = reg->N();
            // The rules see the context with the word in its е-spelling. When the context and the
            // word stand side by side in one string, that string is searched in place.
            const bool inPlace =
                cache && !before.Source().isNull() &&
                before.Source().constData() == after.Source().constData() &&
                before.Pos() + before.Size() + rec.WordEFound.size() == after.Pos() &&
                QStringView(before.Source()).mid(before.Pos() + before.Size(), rec.WordEFound.size()) ==
                    rec.WordEFound;
            QString ownText;
            QString source;
            qsizetype base = 0;
            if (inPlace) {
                source = before.Source();
                base = before.Pos();
            } else {
                ownText = before.ToString() + rec.WordEFound + after.ToString();
                source = ownText;
            }
            const qsizetype tLen = before.Size() + rec.WordEFound.size() + after.Size();
            const QStringView T = QStringView(source).mid(base, tLen);
            qsizetype beforeLen = before.Size();
            qsizetype textELen = rec.WordEFound.size();
            int ruleN = kRuleNone;
            const QString suggestion =
                reg->AnalyzeIn(rec.WordYoFound, T, beforeLen, textELen, out.ReplaceLevel, ruleN, out.RuleNs,
                               settings.AllRules, inPlace ? cache : nullptr);
            out.RuleN = ruleN;
            if (!out.RuleNs.isEmpty()) {
                out.TextYo = suggestion;
                out.TextE = T.mid(beforeLen, textELen).toString();
                out.Before = TDTextSlice(source, base, beforeLen);
                out.After = TDTextSlice(source, base + beforeLen + textELen, tLen - beforeLen - textELen);
            }
        }
    }

    if (out.ReplaceLevel == kLevelDrop)
        return false;

    if (rec.IsFound()) {
        out.FormE = rec.WordEFound.toLower();
        out.FormYo = rec.WordYoFound;
        out.Unique = rec.ID1 != -1;
    } else if (rec.ThreeCondition) {
        out.FormE = QStringLiteral("трех");
        out.FormYo = QStringLiteral("трёх");
        out.Unique = true;
    } else {
        out.FormE = QStringLiteral("четырех");
        out.FormYo = QStringLiteral("четырёх");
        out.Unique = true;
    }
    return true;
}

void SetInitialCheckState(TDContextEntry* entry, bool unique, bool isYoInWord, int level) {
    if (unique) {
        entry->SetReplaceLevel(kLevelUnambiguous);
        entry->SetCheckedState(cbChecked);
        return;
    }
    entry->SetReplaceLevel(level);
    entry->SetCheckedState(cbGrayed);
    if (isYoInWord)
        entry->SetCheckedState(cbChecked);
}

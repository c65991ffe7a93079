#pragma once

#include <QString>
#include <functional>

class QObject;

// The decision on one occurrence.
enum TDCheckState {
    cbUnchecked = 0, // "е" stays
    cbChecked = 1,   // "ё" is to be written
    cbGrayed = 2     // nobody has decided yet
};

// Replace levels with a meaning of their own.
constexpr int kLevelUnambiguous = 777; // unambiguous word, or a special form (трёх, четырёх)
constexpr int kLevelDrop = -999;       // an occurrence with this level becomes no entry
constexpr int kRuleNone = 999;         // no rule decided
constexpr int kRegExNone = -1;         // no rule set was consulted

// The four search passes of the Word adapter; the plain-text analyser reports skBegin.
enum TDSearchKind { skMidle, skBegin, skEnd, skDefisMiddle };

// The document source, fixed at start-up.
enum TDOleServer { osNone, osWord, osInDesign, osInCopy };

// Type and encoding of a file-mode document.
enum TDFileType { ftNone, ftWord, ftFB2, ftHtml, ftXML, ftTXT, ftRTF };
enum TDFileEncoding { feWin1251, feUTF8, feNone };

// The progress event of every analyser. Page, Line and Column are wide enough for any document.
using TDOnFindWordE = std::function<void(QObject* Sender, int AddedWordsCount, int WordID, int Page, int Line,
                                         int Column, TDSearchKind SearchKind)>;

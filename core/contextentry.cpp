#include "contextentry.h"

#include "contextentries.h"
#include "word2replace.h"
#include "words2replace.h"

void TDContextEntry::SetCheckedState(TDCheckState v) {
    fCheckedState = v;
    if (!fEntries)
        return;
    TDWord2Replace* word = fEntries->Word2Replace();
    if (!word || !word->ParentList())
        return;
    const TDOnChangeCheckState& event = word->ParentList()->OnChangeCheckState();
    if (event)
        event(word, this, v);
}

QString TDContextEntry::FullString() const {
    return fBefore.ToString() + (fIsYoInDoc ? fTextYo : fTextE) + fAfter.ToString();
}

int TDContextEntry::GetFilterValue() const {
    int bits = 0;
    const TDWord2Replace* word = fEntries ? fEntries->Word2Replace() : nullptr;
    if (word)
        bits |= word->Uniqueness() ? 1 : 2;
    bits |= fIsYoInDoc ? 4 : 8;
    switch (fReplaceLevel) {
    case 2:
        bits |= 16;
        break;
    case 1:
        bits |= 32;
        break;
    case -1:
        bits |= 64;
        break;
    case -2:
        bits |= 128;
        break;
    case 0:
        bits |= 256;
        break;
    default:
        break;
    }
    switch (fCheckedState) {
    case cbChecked:
        bits |= 512;
        break;
    case cbUnchecked:
        bits |= 1024;
        break;
    case cbGrayed:
        bits |= 2048;
        break;
    }
    return bits;
}

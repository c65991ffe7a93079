#include "filtercontroller.h"

#include "contextentry.h"
#include "word2replace.h"
#include "words2replace.h"

void TDFilterController::SetCustom(bool on, const QString& text) {
    fCustomOn = on;
    fCustomText = text;
}

void TDFilterController::Flip(int bit) {
    if (bit <= 0)
        return;
    fEntryFilter ^= bit;
    if (bit == 1 || bit == 2)
        fWordFilter ^= bit;
}

void TDFilterController::Reset() {
    fWordFilter = 3;
    fEntryFilter = 4095;
    fCustomOn = false;
}

int TDFilterController::Apply(TDWords2Replace& list) const {
    int visible = 0;
    QString full; // reused for the free-text test
    for (TDWord2Replace* w : list) {
        const int wordValue = w->GetFilterValue();
        const bool wordVisible = (fWordFilter & wordValue) == wordValue;
        w->SetVisible(wordVisible);
        int count = w->ContextEntries().Count();
        bool allHidden = true;
        for (TDContextEntry* e : w->ContextEntries()) {
            const int value = e->GetFilterValue();
            bool pass = (fEntryFilter & value) == value;
            if (pass && fCustomOn) {
                full.clear();
                full.append(e->BeforeSlice().View());
                full.append(e->TextE());
                full.append(e->AfterSlice().View());
                pass = full.contains(fCustomText, Qt::CaseSensitive);
            }
            e->SetVisible(pass);
            if (pass)
                allHidden = false;
            else
                --count;
        }
        w->SetVisibleCount(count);
        if (allHidden)
            w->SetVisible(false);
        if (w->Visible())
            visible += count;
    }
    return visible;
}

void TDFilterController::ShowAll(TDWords2Replace& list) {
    for (TDWord2Replace* w : list) {
        w->SetVisible(true);
        for (TDContextEntry* e : w->ContextEntries())
            e->SetVisible(true);
        w->SetVisibleCount(w->ContextEntries().Count());
    }
}

#include "word2replace.h"

TDWord2Replace::TDWord2Replace(bool ownsEntries) : fContextEntries(ownsEntries) {
    fContextEntries.SetWord2Replace(this);
}

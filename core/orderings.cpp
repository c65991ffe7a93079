#include "orderings.h"

#include "contextentry.h"
#include "word2replace.h"

#include <algorithm>

bool CompareEntriesByPosition(const TDContextEntry* a, const TDContextEntry* b) {
    if (a->Page() != b->Page())
        return a->Page() < b->Page();
    if (a->Line() != b->Line())
        return a->Line() < b->Line();
    return a->Column() < b->Column();
}

bool CompareEntriesByTextYo(const TDContextEntry* a, const TDContextEntry* b) {
    return QStringView(a->TextYo()).compare(QStringView(b->TextYo()), Qt::CaseSensitive) < 0;
}

bool CompareEntriesByRule(const TDContextEntry* a, const TDContextEntry* b) {
    return a->RuleN() < b->RuleN();
}

bool CompareWordsByName(const TDWord2Replace* a, const TDWord2Replace* b) {
    auto fold = [](QChar c) -> char16_t {
        const char16_t u = c.unicode();
        return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
    };
    const QString& x = a->WordE();
    const QString& y = b->WordE();
    return std::lexicographical_compare(x.cbegin(), x.cend(), y.cbegin(), y.cend(),
                                        [&](QChar p, QChar q) { return fold(p) < fold(q); });
}

bool CompareWordsByEntryCount(const TDWord2Replace* a, const TDWord2Replace* b) {
    return a->ContextEntries().Count() > b->ContextEntries().Count();
}

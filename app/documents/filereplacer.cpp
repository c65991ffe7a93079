#include "filereplacer.h"

#include "contextentries.h"
#include "contextentry.h"
#include "document.h"
#include "linereplacer.h"
#include "orderings.h"

int TDFileReplacer::Replace(TDDocument& document, TDContextEntries& entries) {
    fChanged = 0;
    fLettersWritten = 0;
    fSkipped = 0;
    entries.Sort(CompareEntriesByPosition);
    TDRtfDocument* rtf = document.RtfDocument();
    TDLineReplacer replacer;
    replacer.OnProgress = OnProgress;
    replacer.OnLetter = [&](const TDContextEntry&, int line, qsizetype pos, QChar letter) {
        // The line list of an RTF document is its paragraphs, so the same place is patched there.
        if (rtf)
            rtf->SetChar(line, pos, letter);
        ++fLettersWritten;
    };
    fChanged = replacer.Replace(document.CommonFile().Lines(), entries);
    fSkipped = replacer.Skipped();
    return fChanged;
}

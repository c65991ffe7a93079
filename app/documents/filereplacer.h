#pragma once

#include <functional>

class TDContextEntries;
class TDDocument;

// The replacement of file mode: writes the decided letters into the document's line list and, for an
// RTF document, into its RTF source. For every visible occurrence that needs a change (NeedsChange) the
// letters at ChID + i of line Line, where TextYoPure holds "ё"/"Ё", become "ё"/"Ё", or "е"/"Е" when the
// document had "ё" and the occurrence is cleared; then IsYoInDoc follows. Decisions stay as they were.
class TDFileReplacer {
public:
    // Called once per occurrence with the number done and the count, for the progress bar.
    std::function<void(int done, int total)> OnProgress;

    // Sorts entries by position (page, line, column), then changes the document. Returns the number
    // of occurrences changed.
    int Replace(TDDocument& document, TDContextEntries& entries);

    // Of the last run: occurrences changed, letters written, and occurrences left alone because the
    // document no longer held the expected letters at their position.
    int Changed() const { return fChanged; }
    int LettersWritten() const { return fLettersWritten; }
    int Skipped() const { return fSkipped; }

private:
    int fChanged = 0;
    int fLettersWritten = 0;
    int fSkipped = 0;
};

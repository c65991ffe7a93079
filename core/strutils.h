#pragma once

#include "textslice.h"

#include <QString>
#include <QStringView>

// The short form of a context before a word: at most about maxLen characters, cut at a space.
TDTextSlice ShortenBefore(const TDTextSlice& text, qsizetype maxLen = 20);
QString ShortenBefore(const QString& text, qsizetype maxLen = 20);

// The short form of a context after a word: at least maxLen - 1 characters, cut at a space.
TDTextSlice ShortenAfter(const TDTextSlice& text, qsizetype maxLen = 20);
QString ShortenAfter(const QString& text, qsizetype maxLen = 20);

// A short form ready for one-line display: carriage returns and line feeds removed, tabs made spaces.
TDTextSlice CleanShort(const TDTextSlice& text);

// The "е"-form of a word: every "ё" and "Ё" becomes a lower-case "е".
QString YoToLowerE(const QString& word);

// The word with "ё" and "Ё" folded to "е" and "Е", letter case kept otherwise.
QString YoToE(const QString& word);

// A copy of word with "ё"/"Ё" wherever pattern holds "ё" or "Ё" and word holds "е"/"Е"; the letter
// case follows the word.
QString ApplyYoPattern(const QString& word, const QString& pattern);

// True when text holds "ё" or "Ё".
bool HasYo(QStringView text);

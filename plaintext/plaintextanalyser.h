#pragma once

#include "types.h"

#include <QStringList>

class TDWords2Replace;
class TDContextEntries;
class TDDictionarySet;

// Called once per line with the number of entries made so far and the line index (WordID).
extern TDOnFindWordE PlainTextProgress;
// Set by a stop command; the analyser reads it once per line and then ends the scan.
extern bool PlainTextStop;
// Called once per line after the progress event, so that the window can handle pending events.
// Unset in tools without a window.
extern std::function<void()> PlainTextProcessEvents;

// Finds every candidate word in the lines of a document and files it into the three containers
// (appended to; the caller empties them when it wants a fresh run). Throws TDError when the word
// pattern or a context rule fails; what was found up to the failure stays in the containers.
void FindAllWordsInText(const QStringList& lines, TDWords2Replace& words, TDWords2Replace& groups,
                        TDContextEntries& entries, bool searchWithYo, int restriction, bool allRules);

// The same with the given dictionaries instead of the process-wide ones.
void FindAllWordsInText(const QStringList& lines, TDWords2Replace& words, TDWords2Replace& groups,
                        TDContextEntries& entries, bool searchWithYo, int restriction, bool allRules,
                        const TDDictionarySet& dicts);

// The word patterns: without and with the words that already hold "ё".
extern const char16_t* const kWordPattern;
extern const char16_t* const kWordPatternWithYo;

#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

class TDContextEntries;
class TDContextEntry;
class TDWords2Replace;

// Replacement-list files ("*.wtr"): the word forms of a review with all their occurrences, decisions
// and filter state, so that a review can be continued later. A windows-1251 text with CR LF line ends
// ("?" for what windows-1251 cannot hold). Each word form is a header line "word TAB kind TAB count"
// (kind 1 unambiguous, 2 otherwise) followed by count records of five lines: "TextYo|CheckedState|
// IsYoInDoc|Visible|ReplaceLevel|Line|ChID|TextYoPure", then BeforeShort, AfterShort, Before and
// After, escaped. The last three fields place the occurrence in the document it was found in, so that a
// review saved in file mode can be replaced after the same document is opened again; readers that know
// only the first five fields ignore them, and lists without them load with no place (ChID 0).

// Splits a line into columns at delimiter. Every delimiter ends a column (two neighbours give an
// empty column, a trailing one an empty last column); nothing is trimmed. A double quote switches a
// quoted state on and off, delimiters inside quotes do not split, and the quotes stay in the text.
// An empty line gives no columns.
QStringList String2Columns(const QString& line, QChar delimiter);

// A context as stored: every CR LF, then every other CR or LF, becomes "^p".
QString EscapeContext(const QString& text);
// A context as read: every "^p" or "^P" becomes a CR.
QString UnescapeContext(const QString& text);

// The bytes of the list file of words, in the list's order.
QByteArray ReplacementListBytes(const TDWords2Replace& words);
// Writes the list file (whole or not at all); throws TDError naming the file.
void SaveReplacementList(const TDWords2Replace& words, const QString& fileName);

// Reads a list file into the candidate model: the word forms go to words, every occurrence to entries,
// and the morphology groups are emptied. Each occurrence's decision is assigned through SetCheckedState,
// so the list's OnChangeCheckState hears of it. Returns false, changing nothing, when the file does not
// exist. A malformed file (too few columns, a number that is not an integer, a file that ends inside a
// record) throws TDError naming the file and line, and the model stays as it was. Occurrence lines with only
// the first five fields load without a place in the document; columns beyond the eighth are ignored.
bool WTRFileOpen(const QString& AFileName, TDWords2Replace& words, TDWords2Replace& groups,
                 TDContextEntries& entries);
// The same for the bytes of a list file; shownName goes into messages.
void ReadReplacementList(const QByteArray& bytes, const QString& shownName, TDWords2Replace& words,
                         TDWords2Replace& groups, TDContextEntries& entries);

// Whether the export of ambiguous occurrences writes an entry: not for level 777 nor for the pure texts
// "перед", "нем", "чем", "далеко", "щеки", "щеку" (letter case significant).
bool IsExportedDual(const TDContextEntry& entry);
// The export line of an entry: TextEPure, BeforeShort, TextE, AfterShort and ReplaceLevel separated by
// TAB, contexts as they are.
QString ExportDualsLine(const TDContextEntry& entry);
// The export file of the ambiguous occurrences of entries, in order: windows-1251, CR LF.
QByteArray ExportDualsBytes(const TDContextEntries& entries);
// Writes the export file; throws TDError naming the file.
void ExportDuals(const TDContextEntries& entries, const QString& fileName);

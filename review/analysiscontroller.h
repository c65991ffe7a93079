#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

class TDContextEntries;
class TDDictionarySet;
class TDWords2Replace;

// An analysis run over a document held as lines, without widgets: it times the run, reports
// progress, lets pending events run between lines and honours a stop request. The window shows
// what it reports; the command-line tool may use it too.
class TDAnalysisController : public QObject {
    Q_OBJECT
public:
    // What the run searches.
    struct Options {
        bool SearchWordsWithYo = true; // also words already written with «ё»
        int SearchOneTwo = 3;          // 1 unambiguous only, 2 ambiguous only, 3 both
        bool AllRules = false;         // try every rule for «всё»
    };
    // How a run ended.
    struct Result {
        bool Failed = false; // an error ended it; Error holds its text
        QString Error;
        bool Stopped = false; // the user stopped it
        qint64 ElapsedMs = 0; // its length
        int EntriesAdded = 0; // occurrences it found
    };

    explicit TDAnalysisController(QObject* parent = nullptr);

    // Runs the plain-text analyser over lines into the three containers (appended to). Pending events
    // are processed between lines (at most every few milliseconds) unless processEvents is false.
    Result Run(const QStringList& lines, TDWords2Replace& words, TDWords2Replace& groups,
               TDContextEntries& entries, const Options& options, const TDDictionarySet& dicts,
               bool processEvents = true);

    // Asks a running analysis to stop before its next line.
    void Stop();
    // A run is going on.
    bool Running() const { return fRunning; }

Q_SIGNALS:
    // Progress: the line in hand, the number of lines, occurrences found so far, milliseconds elapsed.
    void Progress(int line, int lineCount, int added, qint64 elapsedMs);

private:
    bool fRunning = false;
    QElapsedTimer fTimer;
};

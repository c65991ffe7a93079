#include "analysiscontroller.h"

#include "contextentries.h"
#include "error.h"
#include "plaintextanalyser.h"

#include <QCoreApplication>

TDAnalysisController::TDAnalysisController(QObject* parent) : QObject(parent) {}

void TDAnalysisController::Stop() {
    PlainTextStop = true;
}

TDAnalysisController::Result TDAnalysisController::Run(const QStringList& lines, TDWords2Replace& words,
                                                       TDWords2Replace& groups, TDContextEntries& entries,
                                                       const Options& options, const TDDictionarySet& dicts,
                                                       bool processEvents) {
    Result result;
    const int before = entries.Count();
    fRunning = true;
    PlainTextStop = false;
    fTimer.start();
    qint64 lastReport = -1000;
    const int lineCount = int(lines.size());
    PlainTextProgress = [&](QObject*, int added, int line, int, int, int, TDSearchKind) {
        const qint64 now = fTimer.elapsed();
        if (now - lastReport >= 40 || line + 1 == lineCount) {
            lastReport = now;
            Q_EMIT Progress(line, lineCount, added, now);
            if (processEvents)
                QCoreApplication::processEvents();
        }
    };
    try {
        FindAllWordsInText(lines, words, groups, entries, options.SearchWordsWithYo, options.SearchOneTwo,
                           options.AllRules, dicts);
    } catch (const TDError& e) {
        result.Failed = true;
        result.Error = e.Message();
    } catch (const std::exception& e) {
        result.Failed = true;
        result.Error = QString::fromLocal8Bit(e.what());
    }
    PlainTextProgress = nullptr;
    result.Stopped = PlainTextStop;
    PlainTextStop = false;
    fRunning = false;
    result.ElapsedMs = fTimer.elapsed();
    result.EntriesAdded = entries.Count() - before;
    Q_EMIT Progress(lineCount, lineCount, result.EntriesAdded, result.ElapsedMs);
    return result;
}

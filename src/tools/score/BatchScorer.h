#pragma once

#include "BatchList.h"

#include <QByteArray>
#include <QEventLoop>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

class QProcess;

// Scores the entries of a batch list on `jobs` worker processes (BatchWorker: each owns
// its decoder, since the speech library's state is process-wide) and writes one JSON object
// per entry to `out`, in list order, each as soon as it and every entry before it are done.
// Each object is the single-file result plus "line" (the list's line number); a line that
// could not be scored has an "error" text instead of a score.
//
// Lines are handed out one at a time to whichever worker is free. A worker that dies while
// scoring (a crash, a kill) fails only that line, with the worker's last error output in
// the message, and a fresh worker takes its place; a worker program that cannot start at
// all fails every line still waiting. When `progress` is given, "scored N of M" is redrawn
// there on one line.
//
// Thread: the caller's; run() spins a local event loop. Failure results: run() returns
// the number of entries written with an "error".
class BatchScorer : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QString program;              // the worker program (phrasebook-score)
        QStringList workerArguments;  // arguments that start it in worker mode
        int jobs = 1;
        FILE *out = stdout;
        FILE *progress = nullptr;     // null: no progress display
    };

    BatchScorer(QList<BatchEntry> entries, Options options);
    ~BatchScorer() override;
    int run();

private:
    struct Worker
    {
        std::unique_ptr<QProcess> process;
        std::optional<qsizetype> current;  // the entry being scored
        QByteArray output;                 // partial line of its standard output
        QByteArray errors;                 // its standard error since the last result
    };

    void startWorker(size_t slot);
    void dispatch(size_t slot);
    void readResults(size_t slot);
    void workerStopped(size_t slot);
    void workerFailedToStart(size_t slot);
    void complete(qsizetype index, QJsonObject result);
    void writeReady();
    void showProgress();

    QList<BatchEntry> m_entries;
    Options m_options;
    std::vector<Worker> m_workers;
    std::vector<std::optional<QJsonObject>> m_results;
    qsizetype m_nextToDispatch = 0;
    qsizetype m_nextToWrite = 0;
    qsizetype m_done = 0;
    int m_failed = 0;
    QEventLoop m_loop;
};

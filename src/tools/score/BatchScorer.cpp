#include "BatchScorer.h"

#include <QJsonDocument>
#include <QProcess>

#include <algorithm>

namespace {
QJsonObject failure(const QString &message) { return QJsonObject{{QStringLiteral("error"), message}}; }

// The last few lines a worker wrote to its error stream, for the message of a lost line.
QString lastLines(const QByteArray &errors)
{
    const QStringList lines = QString::fromUtf8(errors).trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - 3)).join(QStringLiteral(" | "));
}
}

BatchScorer::BatchScorer(QList<BatchEntry> entries, Options options)
    : m_entries(std::move(entries)), m_options(std::move(options)), m_results(size_t(m_entries.size()))
{
}

BatchScorer::~BatchScorer()
{
    for (Worker &worker : m_workers) {
        if (worker.process && worker.process->state() != QProcess::NotRunning) {
            worker.process->kill();
            worker.process->waitForFinished(5000);
        }
    }
}

int BatchScorer::run()
{
    // Lines that cannot be scored are answered at once, in their place.
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!m_entries.at(i).error.isEmpty())
            complete(i, failure(m_entries.at(i).error));
    }
    qsizetype toScore = 0;
    for (const BatchEntry &entry : std::as_const(m_entries))
        toScore += entry.error.isEmpty() ? 1 : 0;
    const size_t workers = size_t(std::clamp<qsizetype>(m_options.jobs, 1, std::max<qsizetype>(toScore, 1)));
    m_workers.resize(toScore > 0 ? workers : 0);
    for (size_t slot = 0; slot < m_workers.size(); ++slot)
        startWorker(slot);
    if (m_done < m_entries.size())
        m_loop.exec();
    for (Worker &worker : m_workers) {
        if (worker.process)
            worker.process->waitForFinished(10000);
    }
    if (m_options.progress)
        std::fputc('\n', m_options.progress);
    return m_failed;
}

void BatchScorer::startWorker(size_t slot)
{
    Worker &worker = m_workers[slot];
    worker = Worker();
    worker.process = std::make_unique<QProcess>();
    QProcess *process = worker.process.get();
    connect(process, &QProcess::readyReadStandardOutput, this, [this, slot] { readResults(slot); });
    connect(process, &QProcess::readyReadStandardError, this, [this, slot] {
        m_workers[slot].errors += m_workers[slot].process->readAllStandardError();
    });
    connect(process, &QProcess::finished, this, [this, slot] { workerStopped(slot); });
    connect(process, &QProcess::errorOccurred, this, [this, slot](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            workerFailedToStart(slot);
    });
    process->start(m_options.program, m_options.workerArguments);
    if (process->state() != QProcess::NotRunning)
        dispatch(slot);
}

void BatchScorer::dispatch(size_t slot)
{
    Worker &worker = m_workers[slot];
    while (m_nextToDispatch < m_entries.size() && !m_entries.at(m_nextToDispatch).error.isEmpty())
        ++m_nextToDispatch;
    if (m_nextToDispatch >= m_entries.size()) {
        // Nothing left: the worker ends at the end of its input.
        worker.process->closeWriteChannel();
        return;
    }
    worker.current = m_nextToDispatch++;
    const BatchEntry &entry = m_entries.at(*worker.current);
    const QJsonObject request{{QStringLiteral("expected"), entry.expected}, {QStringLiteral("audio"), entry.audioPath}};
    worker.process->write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
}

void BatchScorer::readResults(size_t slot)
{
    Worker &worker = m_workers[slot];
    worker.output += worker.process->readAllStandardOutput();
    qsizetype newline = -1;
    while ((newline = worker.output.indexOf('\n')) >= 0) {
        const QByteArray line = worker.output.left(newline);
        worker.output.remove(0, newline + 1);
        // Only a JSON object line is a result; anything else a library printed is ignored.
        if (!line.startsWith('{') || !worker.current)
            continue;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        const qsizetype index = *worker.current;
        worker.current.reset();
        worker.errors.clear();
        complete(index, document.isObject() ? document.object()
                                            : failure(QStringLiteral("the scoring process answered with broken JSON")));
        dispatch(slot);
    }
}

void BatchScorer::workerStopped(size_t slot)
{
    Worker &worker = m_workers[slot];
    worker.errors += worker.process->readAllStandardError();
    if (!worker.current)
        return;  // it ended at the end of its input, or after its line was answered
    const qsizetype index = *worker.current;
    const QString details = lastLines(worker.errors);
    const bool crashed = worker.process->exitStatus() == QProcess::CrashExit;
    QString message = crashed ? QStringLiteral("the scoring process crashed on this recording")
                              : QStringLiteral("the scoring process stopped with status %1 on this recording")
                                    .arg(worker.process->exitCode());
    if (!details.isEmpty())
        message += QStringLiteral(" (%1)").arg(details);
    worker.current.reset();
    worker.process.release()->deleteLater();
    complete(index, failure(message));
    if (m_done < m_entries.size())
        startWorker(slot);
}

void BatchScorer::workerFailedToStart(size_t slot)
{
    const QString message = QStringLiteral("the scoring process %1 could not be started: %2")
                                .arg(m_options.program, m_workers[slot].process->errorString());
    m_workers[slot].current.reset();
    m_workers[slot].process.release()->deleteLater();
    // No worker can run: every line not answered and not in another worker's hands fails
    // with the same reason, and nothing more is handed out.
    std::vector<bool> held(m_results.size(), false);
    for (const Worker &worker : m_workers) {
        if (worker.current)
            held[size_t(*worker.current)] = true;
    }
    m_nextToDispatch = m_entries.size();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!m_results[size_t(i)] && !held[size_t(i)])
            complete(i, failure(message));
    }
}

void BatchScorer::complete(qsizetype index, QJsonObject result)
{
    if (m_results[size_t(index)])
        return;
    result.insert(QStringLiteral("line"), m_entries.at(index).line);
    if (result.contains(QLatin1String("error")))
        ++m_failed;
    m_results[size_t(index)] = std::move(result);
    ++m_done;
    writeReady();
    showProgress();
    if (m_done == m_entries.size())
        m_loop.quit();
}

void BatchScorer::writeReady()
{
    while (m_nextToWrite < m_entries.size() && m_results[size_t(m_nextToWrite)]) {
        std::optional<QJsonObject> &result = m_results[size_t(m_nextToWrite)];
        const QByteArray line = QJsonDocument(*result).toJson(QJsonDocument::Compact) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), m_options.out);
        result = QJsonObject();  // written: keep the slot marked, drop the content
        ++m_nextToWrite;
    }
    std::fflush(m_options.out);
}

void BatchScorer::showProgress()
{
    if (!m_options.progress)
        return;
    std::fprintf(m_options.progress, "\rphrasebook-score: %lld of %lld done, %d failed", static_cast<long long>(m_done),
                 static_cast<long long>(m_entries.size()), m_failed);
    std::fflush(m_options.progress);
}

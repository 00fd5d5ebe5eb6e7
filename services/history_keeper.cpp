#include "services/history_keeper.h"

#include "services/app_info.h"
#include "history_worker.h"

#include <QPointer>
#include <QUuid>

#include <algorithm>

HistoryKeeper::HistoryKeeper(const QString &filePath, QObject *parent)
    : HistoryKeeper(filePath, Options{}, parent)
{
}

HistoryKeeper::HistoryKeeper(const QString &filePath, const Options &options, QObject *parent)
    : QObject(parent)
    , m_filePath(filePath)
    , m_storage(options.storage)
    , m_runId(options.runId.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : options.runId)
    , m_programVersion(options.programVersion.isEmpty() ? AppInfo::version() : options.programVersion)
{
    m_thread.setObjectName(QStringLiteral("guess history"));
    m_worker = new HistoryWorker(this, filePath, m_runId, options.storage, options.retryMilliseconds);
    m_worker->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->open(); }, Qt::QueuedConnection);
}

HistoryKeeper::~HistoryKeeper()
{
    cancelExport();
    for (QThread *exporting : m_exports) {
        exporting->wait();
        delete exporting;
    }
    // The thread ends from finish(), after every guess handed over before
    // it: quit() from here would drop whatever is still queued.
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->finish(); }, Qt::QueuedConnection);
    m_thread.wait();
    delete m_worker;
}

HistorySnapshot HistoryKeeper::snapshot() const
{
    HistorySnapshot snapshot = m_mirror;
    snapshot.readable = m_readable;
    snapshot.notYetSaved = m_notYetSaved;
    return snapshot;
}

void HistoryKeeper::count(Level level, bool right, bool thisRun)
{
    const auto index = std::size_t(static_cast<int>(level));
    m_mirror.outcomes[index].push_back(right);
    if (thisRun) {
        ++m_mirror.thisRun[index].guesses;
        m_mirror.thisRun[index].rights += right ? 1 : 0;
    }
}

void HistoryKeeper::record(StoredGuess guess)
{
    guess.runId = m_runId;
    guess.programVersion = m_programVersion;
    count(guess.level, guess.right, true);
    if (!m_readable)
        m_unread.emplace_back(guess.level, guess.right);
    if (m_forgetting)
        m_sinceForget.emplace_back(guess.level, guess.right);
    // In an outage this guess waits with the others; the history's thread
    // will give the exact count.
    if (inOutage())
        setNotYetSaved(m_notYetSaved + 1);
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, guess, serial = ++m_serial] { worker->store(guess, serial); },
        Qt::QueuedConnection);
    emit guessAdded(guess.level, guess.right);
}

void HistoryKeeper::exportCsv(const QString &path)
{
    if (m_exportCancelled->load())
        m_exportCancelled = std::make_shared<std::atomic<bool>>(false);
    const QPointer<HistoryKeeper> keeper = this;
    GuessHistory::Options options = m_storage;
    options.readOnly = true;
    QThread *exporting = QThread::create([keeper, file = m_filePath, options, path, cancelled = m_exportCancelled] {
        GuessHistory reader(file, options);
        const auto progress = [keeper, cancelled](std::int64_t written, std::int64_t total) {
            QMetaObject::invokeMethod(
                keeper, [keeper, written, total] { emit keeper->exportProgress(written, total); },
                Qt::QueuedConnection);
            return !cancelled->load();
        };
        const bool exported = reader.isAvailable() && reader.exportCsv(path, progress);
        const bool wasCancelled = !exported && cancelled->load();
        const QString error = exported ? QString() : reader.isAvailable() ? reader.lastError()
                                                                          : reader.unavailableReason();
        QMetaObject::invokeMethod(
            keeper,
            [keeper, exported, wasCancelled, error] { emit keeper->exportFinished(exported, wasCancelled, error); },
            Qt::QueuedConnection);
    });
    exporting->setObjectName(QStringLiteral("history export"));
    connect(exporting, &QThread::finished, this, [this, exporting] {
        m_exports.erase(std::find(m_exports.begin(), m_exports.end(), exporting));
        exporting->deleteLater();
    });
    m_exports.push_back(exporting);
    exporting->start();
}

void HistoryKeeper::cancelExport()
{
    m_exportCancelled->store(true);
}

void HistoryKeeper::forget()
{
    m_forgetting = true;
    m_sinceForget.clear();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->forget(); }, Qt::QueuedConnection);
}

void HistoryKeeper::applyLoad(const HistoryLoad &load)
{
    m_loaded = true;
    m_state = load.state;
    m_readOnly = load.readOnly;
    m_unavailableReason = load.unavailableReason;
    m_setAsidePath = load.setAsidePath;
    if (load.readable) {
        m_readable = true;
        const std::int64_t notYetSaved = m_notYetSaved;
        m_mirror = {};
        m_mirror.outcomes = load.contents.outcomes;
        m_mirror.thisRun = load.contents.thisRun;
        m_mirror.ignoredRows = load.contents.ignoredRows;
        m_mirror.notYetSaved = notYetSaved;
        for (const auto &[level, right] : m_unread)
            count(level, right, true);
        m_unread.clear();
    }
    emit loaded();
}

void HistoryKeeper::applyWritten(std::int64_t count)
{
    if (!inOutage())
        return;
    m_writtenInOutage += count;
    const std::int64_t written = m_writtenInOutage;
    m_outageReason.clear();
    m_writtenInOutage = 0;
    setNotYetSaved(0);
    emit storageRecovered(written);
}

void HistoryKeeper::applyFailure(const QString &reason, std::int64_t pending, std::int64_t lastSerial)
{
    const bool starts = !inOutage();
    m_outageReason = reason.isEmpty() ? tr("the history cannot be written") : reason;
    // Guesses made since the report was sent are waiting too.
    setNotYetSaved(pending + (m_serial - lastSerial));
    if (starts)
        emit storageFailed(m_outageReason);
}

void HistoryKeeper::applyForget(GuessHistory::ForgetResult result, const QString &error)
{
    m_forgetting = false;
    if (result != GuessHistory::ForgetResult::Failed) {
        m_mirror = {};
        m_unread.clear();
        for (const auto &[level, right] : m_sinceForget)
            count(level, right, true);
        m_outageReason.clear();
        setNotYetSaved(0);
        emit cleared();
    }
    m_sinceForget.clear();
    emit forgetFinished(result, error);
}

void HistoryKeeper::setNotYetSaved(std::int64_t count)
{
    if (count == m_notYetSaved)
        return;
    m_notYetSaved = count;
    emit notYetSavedChanged(count);
}

#include "history_worker.h"

#include "services/history_keeper.h"

#include <QThread>
#include <QTimer>

HistoryWorker::HistoryWorker(HistoryKeeper *keeper, const QString &path, const QString &runId,
                             const GuessHistory::Options &options, int retryMilliseconds)
    : m_keeper(keeper)
    , m_path(path)
    , m_runId(runId)
    , m_options(options)
    , m_retryMilliseconds(retryMilliseconds)
{
    // SQLite would copy the log into the file inside the write that finds
    // it long, making that one guess take several times as long as the
    // others; here it is copied once the writes have paused.
    m_options.checkpointWhenIdle = true;
}

HistoryWorker::~HistoryWorker() = default;

HistoryLoad HistoryWorker::load() const
{
    HistoryLoad load;
    load.state = m_history->state();
    load.readOnly = m_history->isReadOnly();
    load.unavailableReason = m_history->unavailableReason();
    load.setAsidePath = m_history->setAsidePath();
    load.readable = m_history->read(load.contents, m_runId);
    if (!load.readable && load.unavailableReason.isEmpty())
        load.unavailableReason = m_history->lastError();
    return load;
}

void HistoryWorker::open()
{
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    m_retry->setInterval(m_retryMilliseconds);
    connect(m_retry, &QTimer::timeout, this, &HistoryWorker::flush);
    // Copied only once a few hundred guesses have gathered (less than the
    // thousand pages at which SQLite would copy it itself), so that the
    // next write need not start the log afresh after every guess; and only
    // once the writes pause, so that no guess waits for the copy.
    m_checkpoint = new QTimer(this);
    m_checkpoint->setSingleShot(true);
    m_checkpoint->setInterval(500);
    connect(m_checkpoint, &QTimer::timeout, this, [this] {
        if (m_history && m_history->checkpoint())
            m_writtenSinceCheckpoint = 0;
    });

    m_history = std::make_unique<GuessHistory>(m_path, m_options);
    const HistoryLoad loaded = load();
    m_readable = loaded.readable;
    QMetaObject::invokeMethod(m_keeper, [keeper = m_keeper, loaded] { keeper->applyLoad(loaded); },
                              Qt::QueuedConnection);
    flush();
}

void HistoryWorker::store(const StoredGuess &guess, std::int64_t serial)
{
    m_pending.push_back(guess);
    m_lastSerial = serial;
    // While storage fails the retry timer is in charge; a guess now would
    // only fail again at once.
    if (!m_failing)
        flush();
}

// A history that could not be written (unavailable, read-only) is opened
// afresh: the cause may be gone. Its figures reach the keeper if they could
// not be read before, taken before the queue is written so that nothing is
// counted twice.
bool HistoryWorker::reopenForWriting()
{
    if (m_history && m_history->isAvailable() && !m_history->isReadOnly())
        return true;
    auto reopened = std::make_unique<GuessHistory>(m_path, m_options);
    if (!reopened->isAvailable() || reopened->isReadOnly()) {
        // Keep the readable one, if any, for export.
        if (!m_history || !m_history->isAvailable())
            m_history = std::move(reopened);
        return false;
    }
    m_history = std::move(reopened);
    if (!m_readable) {
        const HistoryLoad loaded = load();
        m_readable = loaded.readable;
        QMetaObject::invokeMethod(m_keeper, [keeper = m_keeper, loaded] { keeper->applyLoad(loaded); },
                                  Qt::QueuedConnection);
    }
    return true;
}

void HistoryWorker::flush()
{
    if (m_pending.empty())
        return;
    bool written = reopenForWriting() && m_history->record(m_pending);
    if (written) {
        const auto count = std::int64_t(m_pending.size());
        m_pending.clear();
        m_failing = false;
        m_retry->stop();
        m_writtenSinceCheckpoint += count;
        if (m_writtenSinceCheckpoint >= GuessesPerCheckpoint)
            m_checkpoint->start();
        QMetaObject::invokeMethod(m_keeper, [keeper = m_keeper, count] { keeper->applyWritten(count); },
                                  Qt::QueuedConnection);
        return;
    }
    QString reason = m_history->isAvailable() ? m_history->lastError() : m_history->unavailableReason();
    if (m_history->isAvailable() && m_history->isReadOnly())
        reason = GuessHistory::tr("the history file is read-only");
    m_failing = true;
    m_retry->start();
    const auto pending = std::int64_t(m_pending.size());
    QMetaObject::invokeMethod(
        m_keeper,
        [keeper = m_keeper, reason, pending, serial = m_lastSerial] { keeper->applyFailure(reason, pending, serial); },
        Qt::QueuedConnection);
}

void HistoryWorker::forget()
{
    GuessHistory::ForgetResult result = GuessHistory::ForgetResult::Failed;
    QString error;
    if (reopenForWriting()) {
        result = m_history->forget();
        error = m_history->lastError();
    } else {
        error = m_history->isAvailable() ? GuessHistory::tr("the history file is read-only")
                                         : m_history->unavailableReason();
    }
    // The guesses still waiting to be written go with the rest.
    if (result != GuessHistory::ForgetResult::Failed) {
        m_pending.clear();
        m_failing = false;
        m_retry->stop();
    }
    QMetaObject::invokeMethod(m_keeper, [keeper = m_keeper, result, error] { keeper->applyForget(result, error); },
                              Qt::QueuedConnection);
}

void HistoryWorker::finish()
{
    if (m_retry)
        m_retry->stop();
    if (m_checkpoint)
        m_checkpoint->stop();
    if (!m_pending.empty() && reopenForWriting() && m_history->record(m_pending))
        m_pending.clear();
    m_history.reset();
    thread()->quit();
}

#include "history_writer_guess.h"
#include "services/other_connection.h"
#include "services/guess_history.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_HistoryDurability : public QObject
{
    Q_OBJECT

private slots:
    void everyReportedGuessSurvivesSigkill_data();
    void everyReportedGuessSurvivesSigkill();
    void guessesWaitOutAStorageFailureAndThenSurviveSigkill_data();
    void guessesWaitOutAStorageFailureAndThenSurviveSigkill();
};

namespace {

enum class Cause { Locked, Full, ReadOnlyFile, NoPermission };

// The writer in its keeping mode, and the lines it has said.
class KeepingWriter
{
public:
    KeepingWriter(const QString &program, const QStringList &arguments)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(program, arguments);
    }
    ~KeepingWriter()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    bool started() { return m_process.waitForStarted(10000); }
    void guess() { m_process.write("\n"); }
    // Waits for a line that starts with `start`, up to `milliseconds`.
    QString waitFor(const QString &start, int milliseconds = 10000)
    {
        for (int tries = 0; tries < milliseconds / 100; ++tries) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                m_said << line;
                if (line.startsWith(start))
                    return line;
            }
            m_process.waitForReadyRead(100);
        }
        return {};
    }
    QString said() const { return m_said.join(QLatin1String(" | ")); }
    bool killed()
    {
        m_process.kill(); // SIGKILL
        return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess m_process;
    QStringList m_said;
};

} // namespace

Q_DECLARE_METATYPE(Cause)

void tst_HistoryDurability::everyReportedGuessSurvivesSigkill_data()
{
    QTest::addColumn<int>("killAfter");
    QTest::newRow("after the first guess") << 1;
    QTest::newRow("after 40 guesses") << 40;
    QTest::newRow("after 400 guesses") << 400;
}

// A guess counts as stored once record() returns: the writer prints its number
// only then, and SIGKILL right after that line must not lose it, nor leave a
// file that has to be set aside.
void tst_HistoryDurability::everyReportedGuessSurvivesSigkill()
{
    QFETCH(int, killAfter);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));

    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QStringLiteral(HISTORY_WRITER), {path});
    QVERIFY2(writer.waitForStarted(10000), qPrintable(writer.errorString()));

    int lastReported = 0;
    QByteArray pending;
    while (lastReported < killAfter) {
        QVERIFY2(writer.state() == QProcess::Running || writer.bytesAvailable() > 0,
                 "the writer stopped before it was killed");
        QVERIFY2(writer.waitForReadyRead(10000) || writer.bytesAvailable() > 0, "the writer reported nothing for 10 s");
        pending += writer.readAll();
        const qsizetype end = pending.lastIndexOf('\n');
        if (end < 0)
            continue;
        const QList<QByteArray> lines = pending.left(end).split('\n');
        lastReported = lines.last().toInt();
        pending.remove(0, end + 1);
    }
    writer.kill(); // SIGKILL
    QVERIFY(writer.waitForFinished(10000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    GuessHistory history(path);
    QCOMPARE(history.state(), GuessHistory::State::Ready);
    const std::vector<StoredGuess> stored = history.allGuesses();
    QVERIFY2(int(stored.size()) >= lastReported,
             qPrintable(QStringLiteral("%1 reported, %2 stored").arg(lastReported).arg(stored.size())));
    for (int n = 1; n <= lastReported; ++n)
        QVERIFY2(isNumberedGuess(stored[std::size_t(n - 1)], n), qPrintable(QStringLiteral("guess %1 changed").arg(n)));
}

void tst_HistoryDurability::guessesWaitOutAStorageFailureAndThenSurviveSigkill_data()
{
    QTest::addColumn<Cause>("cause");
    QTest::newRow("another program holds the file locked") << Cause::Locked;
    QTest::newRow("no room left for the file") << Cause::Full;
    QTest::newRow("a file the user may only read") << Cause::ReadOnlyFile;
    QTest::newRow("a file the user may not even read") << Cause::NoPermission;
}

// Whatever keeps a guess from being written, the writer says so, leaves the
// file as it is and keeps the guesses; once the cause is gone they are
// written, and a SIGKILL right after loses none of them. The user's own
// limits are those of an unprivileged user, as the tests run as root.
void tst_HistoryDurability::guessesWaitOutAStorageFailureAndThenSurviveSigkill()
{
    QFETCH(Cause, cause);
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/corvella-durability-XXXXXX"));
    QVERIFY(dir.isValid());
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(dir.path(), readable));
    const QString folder = dir.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/history.sqlite");
    // The writer is copied where the other user may run it.
    const QString writer = dir.filePath(QStringLiteral("history_writer"));
    QVERIFY(QFile::copy(QStringLiteral(HISTORY_WRITER), writer));
    QVERIFY(QFile::setPermissions(writer, readable));

    {
        GuessHistory earlier(path);
        std::vector<StoredGuess> guesses;
        for (int n = 1; n <= 3; ++n) {
            StoredGuess guess = numberedGuess(n);
            guess.runId = QStringLiteral("earlier");
            guesses.push_back(guess);
        }
        QVERIFY(earlier.record(guesses));
    }
    int maxPages = 0;
    std::unique_ptr<OtherConnection> other;
    if (cause == Cause::Full) {
        // Room runs out at the file's present size, taken up by rows that
        // are not guesses; deleting them is the space freed.
        other = std::make_unique<OtherConnection>(path);
        QVERIFY(other->exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400)"
                                           " INSERT INTO guesses (time_ms, level, guessed, drawn, is_right, run_id)"
                                           " SELECT 0, 9, 0, 0, 0, printf('%.200c', 'x') FROM n")));
        QVERIFY(other->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
        maxPages = other->value(QStringLiteral("PRAGMA page_count")).toInt();
        QVERIFY(maxPages > 0);
        other.reset();
    }
    if (cause == Cause::Locked) {
        other = std::make_unique<OtherConnection>(path);
        QVERIFY(other->exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    if (cause == Cause::ReadOnlyFile || cause == Cause::NoPermission) {
        QVERIFY(QFile::setPermissions(folder, readable));
        QVERIFY(QFile::setPermissions(path, cause == Cause::ReadOnlyFile ? QFile::ReadOwner | QFile::WriteOwner
                                                                                 | QFile::ReadGroup | QFile::ReadOther
                                                                           : QFile::ReadOwner | QFile::WriteOwner));
    }
    const QByteArray before = readFile(path);

    QString program = writer;
    QStringList arguments{QStringLiteral("--keep"), path, QString::number(maxPages)};
    if (cause == Cause::ReadOnlyFile || cause == Cause::NoPermission) {
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), writer} + arguments;
        program = QStringLiteral("setpriv");
    }
    KeepingWriter keeping(program, arguments);
    QVERIFY(keeping.started());
    const QString loaded = keeping.waitFor(QStringLiteral("loaded"));
    QVERIFY2(!loaded.isEmpty(), qPrintable(keeping.said()));
    // A file that can be read shows its figures, read-only or not.
    if (cause == Cause::NoPermission)
        QVERIFY2(loaded.startsWith(QLatin1String("loaded 0 ")), qPrintable(loaded));
    else
        QCOMPARE(loaded, QStringLiteral("loaded 1 %1 3").arg(cause == Cause::ReadOnlyFile ? 1 : 0));

    // Full takes guesses until the last page is full.
    int made = 0;
    QString failed;
    while (failed.isEmpty() && made < 400) {
        keeping.guess();
        ++made;
        failed = keeping.waitFor(QStringLiteral("failed"), cause == Cause::Full ? 200 : 10000);
    }
    QVERIFY2(failed.startsWith(QLatin1String("failed ")), qPrintable(keeping.said()));
    keeping.guess();
    keeping.guess();
    made += 2;
    QVERIFY2(!keeping.waitFor(QStringLiteral("waiting %1").arg(cause == Cause::Full ? 3 : made)).isEmpty(),
             qPrintable(keeping.said()));
    if (cause != Cause::Full)
        QCOMPARE(readFile(path), before);

    switch (cause) {
    case Cause::Locked:
        QVERIFY(other->exec(QStringLiteral("ROLLBACK")));
        other.reset();
        break;
    case Cause::Full:
        other = std::make_unique<OtherConnection>(path);
        QVERIFY(other->exec(QStringLiteral("DELETE FROM guesses WHERE level = 9")));
        other.reset();
        break;
    case Cause::ReadOnlyFile:
    case Cause::NoPermission:
        QVERIFY(QFile::setPermissions(folder, everyone));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
        break;
    }
    QVERIFY2(!keeping.waitFor(QStringLiteral("saved")).isEmpty(), qPrintable(keeping.said()));
    QVERIFY(keeping.killed());

    GuessHistory history(path);
    QCOMPARE(history.state(), GuessHistory::State::Ready);
    const std::vector<StoredGuess> stored = history.allGuesses();
    QCOMPARE(int(stored.size()), 3 + made);
    for (int n = 1; n <= made; ++n) {
        const StoredGuess &got = stored[std::size_t(3 + n - 1)];
        QCOMPARE(got.time, numberedGuess(n).time);
        QCOMPARE(got.guessed, numberedGuess(n).guessed);
        QVERIFY(got.runId != QLatin1String("earlier") && !got.runId.isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_HistoryDurability)
#include "tst_history_durability.moc"

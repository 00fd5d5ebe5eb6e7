#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr int waitMs = 20000;

} // namespace

// Each instance is a real process of the probe program, which runs the
// platform's single-instance check; the lock lives in a runtime directory
// of the test's own, so a real instance of the program is not disturbed.
class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartIsRefusedWhileTheFirstRuns();
    void lockOfAKilledInstanceDoesNotRefuseTheNextStart();
    void endingThroughTheEventLoopReleasesTheLock();
    void simultaneousStartsLeaveExactlyOneRunning();

private:
    std::unique_ptr<QProcess> start(const QString &mode);
    static QString firstLine(QProcess &process);
    QString lockFile() const { return m_runtime->filePath(QStringLiteral("instance_probe.lock")); }

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::vector<std::unique_ptr<QProcess>> m_started;
};

void tst_SingleInstance::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
}

void tst_SingleInstance::cleanup()
{
    for (const std::unique_ptr<QProcess> &process : m_started) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(waitMs);
        }
    }
    m_started.clear();
    m_runtime.reset();
}

std::unique_ptr<QProcess> tst_SingleInstance::start(const QString &mode)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
    environment.insert(QStringLiteral("TMPDIR"), m_runtime->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_runtime->filePath(QStringLiteral("config")));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(INSTANCE_PROBE), {mode});
    return process;
}

QString tst_SingleInstance::firstLine(QProcess &process)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(waitMs))
            return QStringLiteral("<no answer: %1>").arg(QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

void tst_SingleInstance::secondStartIsRefusedWhileTheFirstRuns()
{
    auto first = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*first), QStringLiteral("locked"));

    auto second = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*second), QStringLiteral("already running"));
    QVERIFY(second->waitForFinished(waitMs));
    QCOMPARE(second->exitCode(), 3);

    // The refused start neither ended the first nor took its lock away, and
    // a first instance running for two days is not taken for a stale one.
    QCOMPARE(first->state(), QProcess::Running);
    QFile lock(lockFile());
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lock.close();
    auto third = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*third), QStringLiteral("already running"));
    QVERIFY(third->waitForFinished(waitMs));

    // The first ends normally; then a start is accepted again.
    first->closeWriteChannel();
    QVERIFY(first->waitForFinished(waitMs));
    auto fourth = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*fourth), QStringLiteral("locked"));
    m_started.push_back(std::move(fourth));
}

void tst_SingleInstance::lockOfAKilledInstanceDoesNotRefuseTheNextStart()
{
    auto first = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*first), QStringLiteral("locked"));
    first->kill();
    QVERIFY(first->waitForFinished(waitMs));
    // The killed instance could not clean up: its lock file is still there.
    QVERIFY(QFile::exists(lockFile()));

    auto next = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*next), QStringLiteral("locked"));
    m_started.push_back(std::move(next));
}

void tst_SingleInstance::endingThroughTheEventLoopReleasesTheLock()
{
    auto first = start(QStringLiteral("exit"));
    QCOMPARE(firstLine(*first), QStringLiteral("locked"));
    QVERIFY(first->waitForFinished(waitMs));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
    QCOMPARE(first->exitCode(), 0);
    QVERIFY(!QFile::exists(lockFile()));

    auto next = start(QStringLiteral("hold"));
    QCOMPARE(firstLine(*next), QStringLiteral("locked"));
    m_started.push_back(std::move(next));
}

void tst_SingleInstance::simultaneousStartsLeaveExactlyOneRunning()
{
    constexpr int rounds = 8;
    constexpr int starts = 4;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < starts; ++i)
            processes.push_back(start(QStringLiteral("hold")));
        int locked = 0;
        for (const std::unique_ptr<QProcess> &process : processes) {
            const QString answer = firstLine(*process);
            QVERIFY2(answer == QLatin1String("locked") || answer == QLatin1String("already running"),
                     qPrintable(answer));
            if (answer == QLatin1String("locked"))
                ++locked;
        }
        QCOMPARE(locked, 1);
        for (const std::unique_ptr<QProcess> &process : processes) {
            process->closeWriteChannel();
            QVERIFY(process->waitForFinished(waitMs));
        }
    }
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_single_instance.moc"

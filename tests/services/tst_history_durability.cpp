#include "history_writer_guess.h"
#include "services/guess_history.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_HistoryDurability : public QObject
{
    Q_OBJECT

private slots:
    void everyReportedGuessSurvivesSigkill_data();
    void everyReportedGuessSurvivesSigkill();
};

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
    for (int n = 1; n <= lastReported; ++n) {
        const StoredGuess &got = stored[std::size_t(n - 1)];
        const StoredGuess want = numberedGuess(n);
        QCOMPARE(got.time, want.time);
        QCOMPARE(got.level, want.level);
        QCOMPARE(got.guessed, want.guessed);
        QCOMPARE(got.drawn, want.drawn);
        QCOMPARE(got.right, want.right);
    }
}

QTEST_GUILESS_MAIN(tst_HistoryDurability)
#include "tst_history_durability.moc"

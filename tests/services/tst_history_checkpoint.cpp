#include "history_writer_guess.h"
#include "services/guess_history.h"
#include "services/history_keeper.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// When the write-ahead log is copied into the history file: never inside the
// write of a guess (which would make that guess several times slower than
// the rest), and soon after the writes pause.
class tst_HistoryCheckpoint : public QObject
{
    Q_OBJECT

private slots:
    void aWriteNeverCopiesTheLog();
    void theKeeperCopiesTheLogOnceWritesPause();
};

namespace {

// The guesses that the history file itself holds, without its log: a copy
// of the file alone, read in a folder of its own.
int guessesInFileAlone(const QString &path)
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("copy.sqlite"));
    if (!QFile::copy(path, copy))
        return -1;
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(copy);
        if (db.open()) {
            QSqlQuery query(db);
            count = query.exec(QStringLiteral("SELECT count(*) FROM guesses")) && query.next() ? query.value(0).toInt()
                                                                                                  : 0;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    return count;
}

} // namespace

void tst_HistoryCheckpoint::aWriteNeverCopiesTheLog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    GuessHistory::Options options;
    options.checkpointWhenIdle = true;
    GuessHistory history(path, options);
    QVERIFY(history.isAvailable());

    // SQLite on its own copies the log once it has grown past 1,000 pages;
    // one guess a write is a page or more.
    constexpr int Guesses = 1500;
    for (int n = 1; n <= Guesses; ++n)
        QVERIFY(history.record(numberedGuess(n)));
    QCOMPARE(guessesInFileAlone(path), 0);

    QVERIFY(history.checkpoint());
    QCOMPARE(guessesInFileAlone(path), Guesses);
}

void tst_HistoryCheckpoint::theKeeperCopiesTheLogOnceWritesPause()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryKeeper keeper(path);
    QSignalSpy loaded(&keeper, &HistoryKeeper::loaded);
    QVERIFY(loaded.wait(10000));
    constexpr int Guesses = 1000;
    for (int n = 1; n <= Guesses; ++n)
        keeper.record(numberedGuess(n));
    QTRY_COMPARE_WITH_TIMEOUT(guessesInFileAlone(path), Guesses, 10000);
}

QTEST_GUILESS_MAIN(tst_HistoryCheckpoint)
#include "tst_history_checkpoint.moc"

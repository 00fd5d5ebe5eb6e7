#include "services/guess_history.h"
#include "services/history_csv.h"
#include "services/history_keeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

class tst_HistoryCsv : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAreEscaped_data();
    void fieldsAreEscaped();
    void exportIsTheSameInEveryLanguage();
    void impossibleRowsAreLeftOut();
    void cancelledExportLeavesNoFile();
    void exportCancelledFromTheWindowLeavesNoFile();
    void guessMadeDuringALongExportIsWrittenAtOnce();
};

void tst_HistoryCsv::fieldsAreEscaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << QStringLiteral("circle") << QByteArray("circle");
    QTest::newRow("empty") << QString() << QByteArray("");
    QTest::newRow("comma") << QStringLiteral("a,b") << QByteArray("\"a,b\"");
    QTest::newRow("quote") << QStringLiteral("say \"hi\"") << QByteArray("\"say \"\"hi\"\"\"");
    QTest::newRow("only a quote") << QStringLiteral("\"") << QByteArray("\"\"\"\"");
    QTest::newRow("line feed") << QStringLiteral("a\nb") << QByteArray("\"a\nb\"");
    QTest::newRow("carriage return") << QStringLiteral("a\rb") << QByteArray("\"a\rb\"");
    QTest::newRow("spaces stay unquoted") << QStringLiteral(" a b ") << QByteArray(" a b ");
    QTest::newRow("non-ASCII as UTF-8") << QStringLiteral("\u00e9toile \u2605")
                                        << QByteArray("\xc3\xa9toile \xe2\x98\x85");
}

void tst_HistoryCsv::fieldsAreEscaped()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QCOMPARE(csvField(text), field);
}

namespace {

std::vector<StoredGuess> numbered(int count)
{
    std::vector<StoredGuess> guesses;
    for (int n = 0; n < count; ++n) {
        guesses.push_back({QDateTime::fromMSecsSinceEpoch(1796000000000ll + n, QTimeZone::utc()), Level::Expert,
                           n % 10 + 1, n % 7 + 1, n % 10 == n % 7, QStringLiteral("r"), QStringLiteral("1")});
    }
    return guesses;
}

} // namespace

// A script reads the same file whatever language and time zone the user
// runs the program in: no byte order mark, English words, numbers for
// symbols, 1/0, times in UTC, fields quoted as RFC 4180 says.
void tst_HistoryCsv::exportIsTheSameInEveryLanguage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    GuessHistory history(dir.filePath(QStringLiteral("history.sqlite")));
    const QDateTime first(QDate(2026, 12, 8), QTime(14, 3, 22, 123), QTimeZone::utc());
    // Local time of a place two hours east: exported as the same moment in UTC.
    const QDateTime second(QDate(2026, 12, 8), QTime(16, 3, 23, 0), QTimeZone(2 * 3600));
    // A run id or version from another writer may hold anything.
    QVERIFY(history.record({first, Level::Beginner, 1, 2, false, QStringLiteral("a,b"), QStringLiteral("1.50")}));
    QVERIFY(history.record({second, Level::Expert, 10, 10, true, QStringLiteral("say \"hi\""), QString()}));
    QVERIFY(history.record({first.addDays(1), Level::Intermediate, 8, 5, false, QString(),
                            QStringLiteral("line\nbreak")}));

    const QString file = dir.filePath(QStringLiteral("export.csv"));
    QVERIFY2(history.exportCsv(file), qPrintable(history.lastError()));
    QLocale::setDefault(before);

    QFile csv(file);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray expected = "time,level,guessed,drawn,right,run,program_version\r\n"
                                "2026-12-08T14:03:22.123Z,Beginner,1,2,0,\"a,b\",1.50\r\n"
                                "2026-12-08T14:03:23.000Z,Expert,10,10,1,\"say \"\"hi\"\"\",\r\n"
                                "2026-12-09T14:03:22.123Z,Intermediate,8,5,0,,\"line\nbreak\"\r\n";
    QCOMPARE(csv.readAll(), expected);
}

// What cannot be a guess is not exported either, as it is not counted.
void tst_HistoryCsv::impossibleRowsAreLeftOut()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    GuessHistory history(dir.filePath(QStringLiteral("history.sqlite")));
    QVERIFY(history.record({QDateTime::fromMSecsSinceEpoch(0, QTimeZone::utc()), Level::Beginner, 6, 6, true, {}, {}}));
    QVERIFY(history.record({QDateTime::fromMSecsSinceEpoch(0, QTimeZone::utc()), Level::Beginner, 5, 5, true, {}, {}}));
    const QString file = dir.filePath(QStringLiteral("export.csv"));
    QVERIFY(history.exportCsv(file));
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // header, one row, and the end
    QVERIFY2(lines.at(1).startsWith("1970-01-01T00:00:00.000Z,Beginner,5,5,1,"), lines.at(1).constData());
}

// The user may cancel a long export: no file is left, not even a part, and
// a file already at that place stays as it was.
void tst_HistoryCsv::cancelledExportLeavesNoFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    GuessHistory history(dir.filePath(QStringLiteral("history.sqlite")));
    QVERIFY(history.record(numbered(30000)));
    const QString fresh = dir.filePath(QStringLiteral("fresh.csv"));
    const QString earlier = dir.filePath(QStringLiteral("earlier.csv"));
    {
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    for (const QString &path : {fresh, earlier}) {
        std::int64_t seen = 0;
        const bool exported = history.exportCsv(path, [&seen](std::int64_t written, std::int64_t total) {
            seen = written;
            return total == 30000 && written < 16000;
        });
        QVERIFY(!exported);
        QVERIFY2(seen >= 16000 && seen < 30000, qPrintable(QString::number(seen)));
    }
    QVERIFY(!QFileInfo::exists(fresh));
    QFile file(earlier);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("earlier.csv"),
                                                                    QStringLiteral("history.sqlite"),
                                                                    QStringLiteral("history.sqlite-shm"),
                                                                    QStringLiteral("history.sqlite-wal")}));
    // And an export let through is whole: every row, once.
    QVERIFY(history.exportCsv(fresh, [](std::int64_t, std::int64_t) { return true; }));
    QFile whole(fresh);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QCOMPARE(whole.readAll().count("\r\n"), 1 + 30000);
}

// As the progress dialog does it: the export runs on the history's thread,
// reports its progress, and Cancel ends it with no file and no error.
void tst_HistoryCsv::exportCancelledFromTheWindowLeavesNoFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString history = dir.filePath(QStringLiteral("history.sqlite"));
    QVERIFY(GuessHistory(history).record(numbered(30000)));
    HistoryKeeper keeper(history);
    QTRY_VERIFY(keeper.isLoaded());
    QSignalSpy finished(&keeper, &HistoryKeeper::exportFinished);
    QSignalSpy progress(&keeper, &HistoryKeeper::exportProgress);

    const QString whole = dir.filePath(QStringLiteral("whole.csv"));
    keeper.exportCsv(whole);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QVERIFY(QFileInfo(whole).size() > 30000 * 30);
    QVERIFY(progress.size() >= 3);
    QCOMPARE(progress.last().at(0).value<std::int64_t>(), 30000);

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.csv"));
    keeper.exportCsv(cancelled);
    keeper.cancelExport();
    QTRY_COMPARE(finished.size(), 2);
    QCOMPARE(finished.last().at(0).toBool(), false);
    QCOMPARE(finished.last().at(1).toBool(), true);
    QVERIFY(!QFileInfo::exists(cancelled));
}

// An export of a long history takes a while; a guess made meanwhile is in
// the file long before it ends, so that a kill then would not lose it.
void tst_HistoryCsv::guessMadeDuringALongExportIsWrittenAtOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString history = dir.filePath(QStringLiteral("history.sqlite"));
    {
        GuessHistory filler(history);
        for (int batch = 0; batch < 10; ++batch)
            QVERIFY(filler.record(numbered(30000)));
    }
    HistoryKeeper keeper(history);
    QTRY_VERIFY_WITH_TIMEOUT(keeper.isLoaded(), 10000);
    QSignalSpy finished(&keeper, &HistoryKeeper::exportFinished);
    const QString exported = dir.filePath(QStringLiteral("export.csv"));
    keeper.exportCsv(exported);
    keeper.record({QDateTime::currentDateTimeUtc(), Level::Beginner, 1, 1, true, {}, {}});

    // Looked for by a light query of its own; the export's file appears
    // only once the export is complete.
    bool writtenDuringTheExport = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("watcher"));
        db.setDatabaseName(history);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (int tries = 0; tries < 2000; ++tries) {
            const bool exportDone = QFileInfo::exists(exported);
            if (query.exec(QStringLiteral("SELECT COUNT(*) FROM guesses WHERE level = 0")) && query.next()
                && query.value(0).toInt() == 1) {
                writtenDuringTheExport = !exportDone;
                break;
            }
            query.finish();
            QTest::qWait(1);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("watcher"));
    QVERIFY(writtenDuringTheExport);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QVERIFY(finished.first().at(0).toBool());
}

QTEST_GUILESS_MAIN(tst_HistoryCsv)
#include "tst_history_csv.moc"

#include "services/guess_history.h"
#include "services/history_csv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

class tst_HistoryCsv : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAreEscaped_data();
    void fieldsAreEscaped();
    void exportedFileKeepsEveryName();
    void plainExportUsesNumbersAndEnglishLevels();
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

// The names a translation may bring (commas, quotes, line breaks, any
// script) come through a real file byte for byte as RFC 4180 has them.
void tst_HistoryCsv::exportedFileKeepsEveryName()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    GuessHistory history(dir.filePath(QStringLiteral("history.sqlite")));
    const QDateTime first(QDate(2026, 12, 8), QTime(14, 3, 22, 123), QTimeZone::utc());
    // Local time of a place two hours east: exported as the same moment in UTC.
    const QDateTime second(QDate(2026, 12, 8), QTime(16, 3, 23, 0), QTimeZone(2 * 3600));
    QVERIFY(history.record({first, Level::Beginner, 1, 2, false}));
    QVERIFY(history.record({second, Level::Expert, 3, 3, true}));
    QVERIFY(history.record({first.addDays(1), Level::Beginner, 4, 5, false}));

    HistoryCsvTexts texts;
    texts.header = {QStringLiteral("when, UTC"), QStringLiteral("niveau"), QStringLiteral("choisi"),
                    QStringLiteral("tir\u00e9"), QStringLiteral("r\u00e9sultat")};
    texts.levelName = [](Level level) {
        return level == Level::Beginner ? QStringLiteral("D\u00e9butant") : QStringLiteral("Expert \"pro\"");
    };
    texts.symbolName = [](Level, int symbol) {
        switch (symbol) {
        case 1:
            return QStringLiteral("cercle, rond");
        case 2:
            return QStringLiteral("line\r\nbreak");
        case 3:
            return QStringLiteral("\u661f \u2605");
        case 4:
            return QStringLiteral("\u00e9toile");
        default:
            return QStringLiteral("vagues");
        }
    };
    texts.right = QStringLiteral("juste");
    texts.wrong = QStringLiteral("faux");
    const QString file = dir.filePath(QStringLiteral("export.csv"));
    QVERIFY2(history.exportCsv(file, texts), qPrintable(history.lastError()));

    QFile csv(file);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray expected = "\xef\xbb\xbf"
                                "\"when, UTC\",niveau,choisi,tir\xc3\xa9,r\xc3\xa9sultat\r\n"
                                "2026-12-08T14:03:22.123Z,D\xc3\xa9""butant,\"cercle, rond\",\"line\r\nbreak\",faux\r\n"
                                "2026-12-08T14:03:23.000Z,\"Expert \"\"pro\"\"\",\xe6\x98\x9f \xe2\x98\x85,"
                                "\xe6\x98\x9f \xe2\x98\x85,juste\r\n"
                                "2026-12-09T14:03:22.123Z,D\xc3\xa9""butant,\xc3\xa9toile,vagues,faux\r\n";
    QCOMPARE(csv.readAll(), expected);
}

void tst_HistoryCsv::plainExportUsesNumbersAndEnglishLevels()
{
    const std::vector<StoredGuess> guesses{
        {QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5, 6), QTimeZone::utc()), Level::Intermediate, 7, 7, true}};
    QCOMPARE(historyCsv(guesses, {}), QByteArray("\xef\xbb\xbftime,level,guessed,drawn,result\r\n"
                                                 "2027-01-02T03:04:05.006Z,Intermediate,7,7,right\r\n"));
}

QTEST_GUILESS_MAIN(tst_HistoryCsv)
#include "tst_history_csv.moc"

#include "headless_platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int waitMs = 20000;

// Takes the web addresses that QDesktopServices would hand to the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void take(const QUrl &url) { urls.append(url); }
    QList<QUrl> urls;
};

} // namespace

class tst_DesktopPlatform : public QObject
{
    Q_OBJECT

private slots:
    void writtenSettingSurvivesTheEnd();
    void unwritableStoreReportsTheFailure();
    void openUrlDoesNotEncodeTwice_data();
    void openUrlDoesNotEncodeTwice();
    void timerLeavesTheEventLoopRunningAndFiresOnTime();
    void timerOfADestroyedReceiverNeverFires();

private:
    QProcess *probe(const QString &configHome, const QStringList &arguments);
};

QProcess *tst_DesktopPlatform::probe(const QString &configHome, const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), configHome);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(INSTANCE_PROBE), arguments);
    return process;
}

void tst_DesktopPlatform::writtenSettingSurvivesTheEnd()
{
    // The probe stores the value and ends through the event loop, as the
    // shutdown makes the program end; another run must find it.
    QTemporaryDir home;
    QProcess *writer = probe(home.path(), {QStringLiteral("write"), QStringLiteral("08.12.2026")});
    QVERIFY(writer->waitForFinished(waitMs));
    QCOMPARE(writer->exitCode(), 0);
    QCOMPARE(writer->readAllStandardOutput().trimmed(), QByteArray("written"));

    QProcess *reader = probe(home.path(), {QStringLiteral("read")});
    QVERIFY(reader->waitForFinished(waitMs));
    QCOMPARE(reader->readAllStandardOutput().trimmed(), QByteArray("08.12.2026"));
}

void tst_DesktopPlatform::unwritableStoreReportsTheFailure()
{
    // A directory where the settings file belongs: nothing can be written
    // there, even by root.
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("instance_probe/instance_probe.conf")));
    QProcess *writer = probe(home.path(), {QStringLiteral("write"), QStringLiteral("08.12.2026")});
    QVERIFY(writer->waitForFinished(waitMs));
    QCOMPARE(writer->readAllStandardOutput().trimmed(), QByteArray("failed"));
}

void tst_DesktopPlatform::openUrlDoesNotEncodeTwice_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    const QString page = QStringLiteral("https://www.quendrel.example/qrel-refer-a-friend.php");
    QTest::newRow("plain page") << page << page;
    QTest::newRow("encoded query")
        << page + QStringLiteral("?taf1=Ann%20Lee&taf2=ann%40mail.example&taf3=a%26b%3Dc&taf4=100%25")
        << page + QStringLiteral("?taf1=Ann%20Lee&taf2=ann%40mail.example&taf3=a%26b%3Dc&taf4=100%25");
    QTest::newRow("blank encoded once") << page + QStringLiteral("?taf1=Ann Lee") << page + QStringLiteral("?taf1=Ann%20Lee");
}

void tst_DesktopPlatform::openUrlDoesNotEncodeTwice()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "take");
    HeadlessPlatform platform;
    const bool taken = platform.openUrl(address);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QVERIFY(taken);
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first().toString(QUrl::FullyEncoded), expected);
}

// The guess's pause: events go on being handled while it runs, and it does
// not end before its time.
void tst_DesktopPlatform::timerLeavesTheEventLoopRunningAndFiresOnTime()
{
    HeadlessPlatform platform;
    QElapsedTimer clock;
    qint64 firedAfter = -1;
    int fired = 0;
    clock.start();
    platform.singleShot(300, this, [&] {
        ++fired;
        firedAfter = clock.elapsed();
    });
    QCOMPARE(fired, 0); // returned at once
    bool otherEventHandled = false;
    QTimer::singleShot(0, this, [&otherEventHandled] { otherEventHandled = true; });
    QTRY_VERIFY(otherEventHandled);
    QTRY_COMPARE(fired, 1);
    QVERIFY2(firedAfter >= 300, qPrintable(QString::number(firedAfter)));
}

// A window that goes during the pause takes the rest of its guess with it.
void tst_DesktopPlatform::timerOfADestroyedReceiverNeverFires()
{
    HeadlessPlatform platform;
    bool fired = false;
    {
        QObject receiver;
        platform.singleShot(0, &receiver, [&fired] { fired = true; });
    }
    bool later = false;
    platform.singleShot(20, this, [&later] { later = true; });
    QTRY_VERIFY(later);
    QVERIFY(!fired);
}

QTEST_MAIN(tst_DesktopPlatform)
#include "tst_desktop_platform.moc"

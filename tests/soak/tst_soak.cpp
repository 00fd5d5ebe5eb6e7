#include "fakes/fake_platform.h"
#include "fakes/scripted_random.h"
#include "services/app_context.h"
#include "symboltest/symbol_test.h"
#include "ui/main_window.h"
#include "ui/find_control.h"
#include "ui/level_panel.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_button.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cstddef>
#include <cstdint>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// A long session at Beginner, all through the real windows: the same choice
// picture clicked again and again, first against wrong draws, then against
// right ones, long enough for both tallies to reach their limit.
constexpr int Guesses = 40000;
constexpr int WrongFirst = Guesses / 8;
constexpr int Limit = 32767;
constexpr int Clicked = 0; // beginnerChoice0, the circle: symbol 1
// Memory and widgets are compared between these two points.
constexpr int FirstSample = 1000;

// Draws symbol 2 for the first WrongFirst draws and symbol 1 after that.
class PinnedDraws final : public RandomSource
{
public:
    float next() override
    {
        ++draws;
        return ScriptedRandom::forSymbol(draws <= WrongFirst ? Clicked + 2 : Clicked + 1, 5);
    }
    void seedFromClock() override {}

    int draws = 0;
};

struct Sample
{
    qint64 rssKiB = -1;
    qint64 heapKiB = -1;
    qsizetype widgets = -1;
};

qint64 residentKiB()
{
    // A /proc file has no size: read it whole rather than up to its "end".
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf("VmRSS:");
    return at < 0 ? -1 : text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().split(' ').value(0).toLongLong();
}

// The offscreen platform warns on every dialog it shows that it cannot raise
// it; 40,000 of those would bury the log (and the figures printed at the end).
QtMessageHandler passedOn = nullptr;

void dropOffscreenRaiseWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support raise()"))
        return;
    passedOn(type, context, message);
}

// Memory the program holds in live heap blocks. Under AddressSanitizer the
// resident size also counts the freed blocks it keeps in quarantine to catch
// use after free, so there only this figure tells growth.
qint64 liveHeapKiB()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes() / 1024);
#elif defined(__GLIBC__)
    return qint64(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

Sample sampleNow()
{
    return {residentKiB(), liveHeapKiB(), QApplication::allWidgets().size()};
}

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyGuessCountsUntilTheTalliesStopAtTheLimit();
    void neitherWidgetsNorMemoryPileUp();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void guessOnce();

    SymbolTest m_test;
    PinnedDraws m_random;
    FakePlatform m_platform;
    WindowRegistry m_windows;
    AppContext m_context{m_test, m_random, m_platform, m_windows};
    std::unique_ptr<MainWindow> m_main;
    QEventLoop m_loop;

    int m_guessesMade = 0;
    int m_dialogsShown = 0;
    int m_messagesAmiss = 0;
    int m_correctWhenAttemptsReachedTheLimit = -1;
    Sample m_first;
    Sample m_last;
    qint64 m_elapsedMs = 0;
};

// Plays the whole session once; the test functions look at what it left.
void tst_Soak::initTestCase()
{
    m_test.setLevelChosen(true);
    m_platform.timers.reserve(Guesses);
    static_assert(Guesses - WrongFirst > Limit, "long enough for the correct count to reach its limit");

    m_main = std::make_unique<MainWindow>(m_context);
    m_main->setAttribute(Qt::WA_DeleteOnClose, false);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    m_main->showLevel(Level::Beginner);

    passedOn = qInstallMessageHandler(dropOffscreenRaiseWarning);
    qApp->installEventFilter(this);
    QElapsedTimer clock;
    clock.start();
    // Each guess starts from the event loop, as a user's click does.
    QMetaObject::invokeMethod(this, &tst_Soak::guessOnce, Qt::QueuedConnection);
    m_loop.exec();
    m_elapsedMs = clock.elapsed();
    qApp->removeEventFilter(this);
    qInstallMessageHandler(passedOn);

    qInfo("%d guesses in %lld ms; VmRSS %lld -> %lld KiB, live heap %lld -> %lld KiB", m_guessesMade, m_elapsedMs,
          m_first.rssKiB, m_last.rssKiB, m_first.heapKiB, m_last.heapKiB);
}

void tst_Soak::cleanupTestCase()
{
    m_main.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Soak::guessOnce()
{
    QTest::mouseClick(m_main->levelPanel(Level::Beginner)->choice(int(Clicked)), Qt::LeftButton);
    ++m_guessesMade;
    if (m_correctWhenAttemptsReachedTheLimit < 0 && m_test.attemptsCount(Level::Beginner) == Limit)
        m_correctWhenAttemptsReachedTheLimit = m_test.correctCount(Level::Beginner);
    if (m_guessesMade == FirstSample)
        m_first = sampleNow();
    if (m_guessesMade == Guesses) {
        m_last = sampleNow();
        m_loop.quit();
        return;
    }
    QMetaObject::invokeMethod(this, &tst_Soak::guessOnce, Qt::QueuedConnection);
}

// Answers every result dialog as soon as it shows, with a click on TRY AGAIN
// that waits in the queue like the user's.
bool tst_Soak::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show)
        return false;
    auto *dialog = qobject_cast<ResultDialog *>(watched);
    if (!dialog)
        return false;
    ++m_dialogsShown;
    const Outcome expected = m_dialogsShown <= WrongFirst ? Outcome::Wrong : Outcome::Right;
    if (dialog->findChild<QLabel *>(QStringLiteral("messageLabel"))->text() != QString::fromUtf8(resultMessage(expected)))
        ++m_messagesAmiss;
    QMetaObject::invokeMethod(
        dialog,
        [button = QPointer<QPushButton>(dialog->findChild<QPushButton *>(QStringLiteral("tryAgainButton")))] {
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
        },
        Qt::QueuedConnection);
    return false;
}

// Every guess paused once, drew once and showed its own outcome; attempts
// reached the limit first, the right guesses after that still raised the
// correct count until it stopped at the limit too.
void tst_Soak::everyGuessCountsUntilTheTalliesStopAtTheLimit()
{
    QCOMPARE(m_guessesMade, Guesses);
    QCOMPARE(m_dialogsShown, Guesses);
    QCOMPARE(m_messagesAmiss, 0);
    QCOMPARE(m_random.draws, Guesses);
    QCOMPARE(m_platform.timers.count(1500), qsizetype(Guesses));
    QVERIFY(!control<QFrame>(m_main.get(), "waitPanel")->isVisible());
    QCOMPARE(int(m_test.attemptsCount(Level::Beginner)), Limit);
    QCOMPARE(m_correctWhenAttemptsReachedTheLimit, Limit - WrongFirst);
    QCOMPARE(int(m_test.correctCount(Level::Beginner)), Limit);
    QCOMPARE(int(m_test.attemptsCount(Level::Expert)), 0);
}

void tst_Soak::neitherWidgetsNorMemoryPileUp()
{
    QCOMPARE(m_last.widgets, m_first.widgets);
    // The last result is still up when the session's loop ends; once it is
    // answered, the main window is alone again.
    QTRY_COMPARE(m_windows.openWindows().size(), qsizetype(1));
    QVERIFY(m_first.heapKiB > 0 && m_last.heapKiB > 0);
    const qint64 heapGrowthKiB = m_last.heapKiB - m_first.heapKiB;
    QVERIFY2(heapGrowthKiB < 1024, qPrintable(QStringLiteral("live heap grew by %1 KiB").arg(heapGrowthKiB)));
#if !defined(__SANITIZE_ADDRESS__)
    const qint64 rssGrowthKiB = m_last.rssKiB - m_first.rssKiB;
    QVERIFY2(m_first.rssKiB > 0 && rssGrowthKiB < 2048, qPrintable(QStringLiteral("VmRSS grew by %1 KiB").arg(rssGrowthKiB)));
#endif
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"

#include "find_control.h"
#include "main_window_access.h"
#include "fakes/tallies.h"

#include "symboltest/score_report.h"
#include "ui/level_dialog.h"
#include "find_control.h"
#include "ui/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString shownReport(const SymbolTest &test)
{
    QString report = QString::fromStdString(scoreReport(test));
    return report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class tst_ScoreView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyEntryShowsAllThreeLevels_data();
    void everyEntryShowsAllThreeLevels();
    void scoreViewOnlyHidesTheDialog();
    void reportTakesNoKeys_data();
    void reportTakesNoKeys();
    void enterClosesTheViewFromWhereverTheFocusIs_data();
    void enterClosesTheViewFromWhereverTheFocusIs();

private:
    QString readScoreVia(const std::function<void()> &open);

    std::unique_ptr<TestRun> m_run;
    MainWindow *m_main = nullptr;
};

void tst_ScoreView::init()
{
    m_run = std::make_unique<TestRun>();
    m_run->test.setLevelChosen(true);
    m_main = new MainWindow(m_run->context);
}

void tst_ScoreView::cleanup()
{
    delete m_main;
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_ScoreView::readScoreVia(const std::function<void()> &open)
{
    open();
    LevelDialog *dialog = MainWindowRun::openLevelDialogOver(m_main);
    if (!dialog)
        return QStringLiteral("no level dialog open");
    const QString text = control<QPlainTextEdit>(dialog, "scoreBox")->toPlainText();
    const bool scoreInFront = control<QWidget>(dialog, "scorePanel")->isVisible()
        && !control<QWidget>(dialog, "levelPanel")->isVisible();
    QTest::mouseClick(control<QPushButton>(dialog, "scoreOkButton"), Qt::LeftButton);
    if (dialog->isVisible())
        return QStringLiteral("OK left the score view open");
    if (!scoreInFront)
        return QStringLiteral("score panel not in front");
    return text;
}

void tst_ScoreView::everyEntryShowsAllThreeLevels_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("menu") << "scoreAction";
    QTest::newRow("Ctrl+S") << "Ctrl+S";
    QTest::newRow("beginner button") << "beginnerScoreButton";
}

void tst_ScoreView::everyEntryShowsAllThreeLevels()
{
    QFETCH(QString, entry);
    recordTally(m_run->test, Level::Beginner, 2, 5);
    recordTally(m_run->test, Level::Intermediate, 32767, 32767);
    recordTally(m_run->test, Level::Expert, 0, 9);
    if (entry == QLatin1String("Ctrl+S")) {
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }
    // A panel's Score button is there once its level has been chosen.
    m_main->showLevel(Level::Beginner);
    const QString text = readScoreVia([&] {
        if (entry == QLatin1String("scoreAction"))
            control<QAction>(m_main, "scoreAction")->trigger();
        else if (entry == QLatin1String("Ctrl+S"))
            QTest::keyClick(m_main, Qt::Key_S, Qt::ControlModifier);
        else
            QTest::mouseClick(m_main->findChild<QPushButton *>(entry), Qt::LeftButton);
    });
    QCOMPARE(text, shownReport(m_run->test));
    QVERIFY(text.contains(QStringLiteral("Intermediate Level :-  32767 Correct Out Of 32767 Attempts")));
}

void tst_ScoreView::scoreViewOnlyHidesTheDialog()
{
    readScoreVia([&] { m_main->showScore(); });
    LevelDialog *dialog = m_main->existingLevelDialog();
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());
    m_run->test.recordGuess(Level::Beginner, Outcome::Wrong);
    const QString again = readScoreVia([&] { m_main->showScore(); });
    QCOMPARE(m_main->existingLevelDialog(), dialog);
    QVERIFY(again.contains(QStringLiteral("Beginner level :-  0 Correct Out Of 1 Attempts")));
}

// The report is read, never edited nor copied: keys typed into it, selecting
// all, copying, extending a selection, deleting and the context menu all
// leave it as it was, and no text of it becomes selected.
void tst_ScoreView::reportTakesNoKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("typing") << QKeySequence(Qt::Key_X);
    QTest::newRow("select all") << QKeySequence(QKeySequence::SelectAll);
    QTest::newRow("copy") << QKeySequence(QKeySequence::Copy);
    QTest::newRow("paste") << QKeySequence(QKeySequence::Paste);
    QTest::newRow("cut") << QKeySequence(QKeySequence::Cut);
    QTest::newRow("shift+down") << QKeySequence(Qt::SHIFT | Qt::Key_Down);
    QTest::newRow("shift+end") << QKeySequence(Qt::SHIFT | Qt::Key_End);
    QTest::newRow("delete") << QKeySequence(Qt::Key_Delete);
    QTest::newRow("backspace") << QKeySequence(Qt::Key_Backspace);
}

void tst_ScoreView::reportTakesNoKeys()
{
    QFETCH(QKeySequence, keys);
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    m_main->showScore();
    LevelDialog *dialog = MainWindowRun::openLevelDialogOver(m_main);
    QVERIFY(dialog);
    QPlainTextEdit *box = control<QPlainTextEdit>(dialog, "scoreBox");
    const QString before = box->toPlainText();
    box->setFocus(Qt::TabFocusReason);
    QTest::keySequence(box, keys);
    QTest::keyClicks(box, QStringLiteral("typed"));
    // The menu key, and a right click, ask for a context menu.
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &byKey);
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box->viewport(), &byMouse);
    const bool menu = QApplication::activePopupWidget() != nullptr;
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    // A drag across the report selects nothing either.
    QTest::mousePress(box->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseMove(box->viewport(), QPoint(200, 60));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 60));
    const QString after = box->toPlainText();
    const bool selected = box->textCursor().hasSelection();
    dialog->hideScore();
    QVERIFY(!before.isEmpty());
    QCOMPARE(after, before);
    QVERIFY(!selected);
    QVERIFY(!menu);
    // Nothing the view did reached the clipboard of the desktop.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied elsewhere"));
}

// OK is where the keys start, and Enter presses it, also from inside the
// report; Tab still reaches the report, for whoever reads it with a screen
// reader.
void tst_ScoreView::enterClosesTheViewFromWhereverTheFocusIs_data()
{
    QTest::addColumn<bool>("fromReport");
    QTest::newRow("on OK") << false;
    QTest::newRow("in the report") << true;
}

void tst_ScoreView::enterClosesTheViewFromWhereverTheFocusIs()
{
    QFETCH(bool, fromReport);
    m_main->showScore();
    LevelDialog *dialog = MainWindowRun::openLevelDialogOver(m_main);
    QVERIFY(dialog);
    QWidget *startFocus = dialog->focusWidget();
    QTest::keyClick(startFocus, Qt::Key_Tab);
    QWidget *afterTab = dialog->focusWidget();
    if (!fromReport)
        QTest::keyClick(afterTab, Qt::Key_Tab);
    auto *box = control<QPlainTextEdit>(dialog, "scoreBox");
    const QString before = box->toPlainText();
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    const QString after = box->toPlainText();
    QCOMPARE(startFocus, control<QPushButton>(dialog, "scoreOkButton"));
    QCOMPARE(afterTab, box);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(after, before);
    // Enter only hides the view, as OK does: the dialog is kept.
    QVERIFY(!dialog->isDismissed());
}

QTEST_MAIN(tst_ScoreView)
#include "tst_score_view.moc"

#include "find_control.h"
#include "main_window_access.h"

#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QWindow>

namespace {

// The main window's level panel (or the cover) that the user sees.
QWidget *panelInFront(const MainWindow *main)
{
    const auto *stack = control<QStackedWidget>(main, "panelStack");
    QWidget *hit = stack->parentWidget()->childAt(stack->geometry().center());
    QList<QWidget *> panels{control<QFrame>(main, "coverPanel")};
    for (Level level : AllLevels) {
        if (LevelPanel *panel = main->levelPanel(level))
            panels << panel;
    }
    for (QWidget *panel : panels) {
        if (hit == panel || panel->isAncestorOf(hit))
            return panel;
    }
    return hit;
}

// What the user sees of the dialog: the level choice, not the score view.
bool showsLevelChoice(LevelDialog *dialog)
{
    auto *scorePage = dialog->findChild<QWidget *>(QStringLiteral("scorePage"));
    return control<QWidget>(dialog, "levelPanel")->isVisible() && !(scorePage && scorePage->isVisible());
}

LevelDialog *openLevelDialog(MainWindow *main)
{
    return MainWindowRun::openLevelDialogOver(main);
}

QRadioButton *option(LevelDialog *dialog, Level level)
{
    const char *names[] = {"beginnerOption", "intermediateOption", "expertOption"};
    return control<QRadioButton>(dialog, names[levelIndex(level)]);
}

// Whether a window is blocked by a modal one, as Qt tells the window.
class BlockWatcher final : public QObject
{
public:
    explicit BlockWatcher(QWidget *window) { window->installEventFilter(this); }
    bool blocked = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (event->type() == QEvent::WindowUnblocked)
            blocked = false;
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(Level)

class tst_LevelDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startAsksForALevelWithBeginnerSelected();
    void okBringsTheChosenPanelForward_data();
    void okBringsTheChosenPanelForward();
    void noOptionSelectedStillCountsAsChosen();
    void backRestsAllResultPicturesAndAsks();
    void keyboardReachesOnlyThePanelInFront();
    void enterAfterTheScoreViewConfirmsTheShownLevel_data();
    void enterAfterTheScoreViewConfirmsTheShownLevel();
    void otherWindowsWaitForTheDialog();
    void mainWindowGoneUnderTheDialogTakesItAlong_data();
    void mainWindowGoneUnderTheDialogTakesItAlong();

private:
    std::unique_ptr<TestRun> m_run;
    MainWindow *m_main = nullptr;
};

void tst_LevelDialog::init()
{
    m_run = std::make_unique<TestRun>();
    m_main = new MainWindow(m_run->context);
}

void tst_LevelDialog::cleanup()
{
    delete m_main;
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// The main window asks when it shows, with Beginner selected, in one dialog
// over it that keeps the main window from the user; closed without OK, the
// dialog asks again on the next activation.
void tst_LevelDialog::startAsksForALevelWithBeginnerSelected()
{
    m_main->show();
    QPointer<LevelDialog> dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QCOMPARE(QApplication::activeModalWidget(), dialog.data());
    QVERIFY(dialog->windowHandle());
    QCOMPARE(dialog->windowHandle()->transientParent(), m_main->windowHandle());
    // Asked again while it is open, the same dialog stays the question.
    m_main->askForLevelIfNoneChosen();
    QCOMPARE(m_main->findChildren<LevelDialog *>().size(), 1);
    dialog->close();
    QVERIFY(!m_run->test.isLevelChosen());
    QTRY_VERIFY(dialog.isNull());

    m_main->askForLevelIfNoneChosen();
    dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QVERIFY(option(dialog, Level::Beginner)->isChecked());
    QVERIFY(showsLevelChoice(dialog));
    QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QVERIFY(m_run->test.isLevelChosen());
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(Level::Beginner));
    // The dialog is destroyed by OK.
    QVERIFY(m_main->existingLevelDialog() == nullptr);
    QTRY_VERIFY(dialog.isNull());
}

void tst_LevelDialog::okBringsTheChosenPanelForward_data()
{
    QTest::addColumn<Level>("level");
    QTest::newRow("beginner") << Level::Beginner;
    QTest::newRow("intermediate") << Level::Intermediate;
    QTest::newRow("expert") << Level::Expert;
}

void tst_LevelDialog::okBringsTheChosenPanelForward()
{
    QFETCH(Level, level);
    m_main->chooseLevel();
    LevelDialog *dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    option(dialog, level)->setChecked(true);
    QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(level));
    QVERIFY(m_run->test.isLevelChosen());

    // Every fresh dialog starts at Beginner again.
    m_main->chooseLevel();
    dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QVERIFY(option(dialog, Level::Beginner)->isChecked());
    dialog->close();
}

void tst_LevelDialog::noOptionSelectedStillCountsAsChosen()
{
    m_main->chooseLevel();
    QPointer<LevelDialog> dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    option(dialog, Level::Beginner)->setAutoExclusive(false);
    option(dialog, Level::Beginner)->setChecked(false);
    QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    // The message stands over the dialog, which stays until it is answered
    // and is then dismissed, and so destroyed.
    QCOMPARE(m_run->platform.messages.size(), 1);
    QVERIFY(m_run->platform.messages[0].owner == dialog);
    QVERIFY(dialog->isVisible());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(m_run->platform.messages[0].text, QStringLiteral("Please Select An option"));
    QVERIFY(m_run->platform.messages[0].icon == Platform::Icon::Critical);
    QVERIFY(m_run->test.isLevelChosen());
    QCOMPARE(panelInFront(m_main), control<QFrame>(m_main, "coverPanel"));
}

void tst_LevelDialog::backRestsAllResultPicturesAndAsks()
{
    m_run->test.setLevelChosen(true);
    // Every panel built, the Intermediate one in front.
    m_main->showLevel(Level::Beginner);
    m_main->showLevel(Level::Expert);
    m_main->showLevel(Level::Intermediate);
    m_run->random.push(ScriptedRandom::forSymbol(7, 8));
    m_main->guess(Level::Intermediate, 0);
    ResultDialog *result = MainWindowRun::openResultOver(m_main);
    QVERIFY(result);
    result->accept();
    const QPixmap resting = m_main->pictures().restingPicture();
    QVERIFY(!samePicture(resultOf(m_main, Level::Intermediate)->pixmap(), resting));

    QTest::mouseClick(control<QPushButton>(m_main, "backButton"), Qt::LeftButton);
    LevelDialog *dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QVERIFY(samePicture(resultOf(m_main, Level::Beginner)->pixmap(), resting));
    QVERIFY(samePicture(resultOf(m_main, Level::Intermediate)->pixmap(), resting));
    QVERIFY(samePicture(resultOf(m_main, Level::Expert)->pixmap(), resting));
    dialog->close(); // without OK
    QCOMPARE(resultOf(m_main, Level::Intermediate)->size(), resting.size());
    // Without OK nothing else changed: the Intermediate panel is still in front.
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(Level::Intermediate));
    QCOMPARE(int(m_run->test.attemptsCount(Level::Intermediate)), 1);
}

// With the level choice in front, Tab must not land on the score view's
// controls behind it (and the other way round).
void tst_LevelDialog::keyboardReachesOnlyThePanelInFront()
{
    m_run->test.setLevelChosen(true);
    m_main->chooseLevel();
    LevelDialog *dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QTRY_VERIFY(QApplication::activeWindow() == dialog);
    QStringList reached;
    for (int i = 0; i < 12; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : dialog, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        reached << (focus ? focus->objectName() : QStringLiteral("no focus"));
    }
    dialog->confirmLevel();
    QVERIFY2(reached.contains(QStringLiteral("okButton")), qPrintable(reached.join(u' ')));
    for (const char *behind : {"scoreOkButton", "scoreBox", "no focus"})
        QVERIFY2(!reached.contains(QLatin1String(behind)), qPrintable(reached.join(u' ')));
}

void tst_LevelDialog::enterAfterTheScoreViewConfirmsTheShownLevel_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("Back") << "Back";
    QTest::newRow("Ctrl+D") << "Ctrl+D";
    QTest::newRow("menu") << "menu";
}

// The score's OK only hides the dialog, which comes back with the level
// choice. Enter there confirms the level shown and brings its panel
// forward; it never presses the score's OK, which the user cannot see.
void tst_LevelDialog::enterAfterTheScoreViewConfirmsTheShownLevel()
{
    QFETCH(QString, entry);
    m_run->test.setLevelChosen(true);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    m_main->showLevel(Level::Intermediate);
    QTest::keyClick(m_main, Qt::Key_S, Qt::ControlModifier);
    LevelDialog *score = openLevelDialog(m_main);
    QVERIFY(score);
    QTest::mouseClick(control<QPushButton>(score, "scoreOkButton"), Qt::LeftButton);
    QVERIFY(!score->isVisible());
    QCOMPARE(m_main->existingLevelDialog(), score);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    if (entry == QLatin1String("Back"))
        QTest::mouseClick(control<QPushButton>(m_main, "backButton"), Qt::LeftButton);
    else if (entry == QLatin1String("Ctrl+D"))
        QTest::keyClick(m_main, Qt::Key_D, Qt::ControlModifier);
    else
        control<QAction>(m_main, "levelAction")->trigger();
    LevelDialog *dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QCOMPARE(dialog, score);
    QTRY_VERIFY(QApplication::activeWindow() == dialog);
    QVERIFY(showsLevelChoice(dialog));
    QString shownLevel;
    for (QRadioButton *shown : control<QGroupBox>(dialog, "levelGroup")->findChildren<QRadioButton *>()) {
        if (shown->isChecked())
            shownLevel = shown->text();
    }
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);

    QCOMPARE(shownLevel, QStringLiteral("Beginner"));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(Level::Beginner));
    // Confirmed, and so dismissed: the score's OK would only have hidden it.
    QTRY_VERIFY(m_main->existingLevelDialog() == nullptr);
}

// Modal to the main window is modal to the whole program: its other windows,
// the Statistics window among them, belong to the main window and take no
// input until the dialog has closed.
void tst_LevelDialog::otherWindowsWaitForTheDialog()
{
    m_run->test.setLevelChosen(true);
    m_main->show();
    QWidget other(m_main, Qt::Window);
    const BlockWatcher watcher(&other);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QVERIFY(!watcher.blocked);

    m_main->chooseLevel();
    LevelDialog *dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QTRY_VERIFY(watcher.blocked);
    dialog->close();
    QTRY_VERIFY(!watcher.blocked);
}

void tst_LevelDialog::mainWindowGoneUnderTheDialogTakesItAlong_data()
{
    QTest::addColumn<bool>("score"); // or the level choice
    QTest::newRow("level choice") << false;
    QTest::newRow("score view") << true;
}

// The shutdown may destroy the main window while the dialog is open: the
// dialog goes with it, and the program takes input again.
void tst_LevelDialog::mainWindowGoneUnderTheDialogTakesItAlong()
{
    QFETCH(bool, score);
    m_run->test.setLevelChosen(true);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    if (score)
        m_main->showScore();
    else
        m_main->chooseLevel();
    QPointer<LevelDialog> dialog = openLevelDialog(m_main);
    QVERIFY(dialog);
    QCOMPARE(QApplication::activeModalWidget(), dialog.data());

    delete m_main;
    m_main = nullptr;
    QVERIFY(dialog.isNull());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(tst_LevelDialog)
#include "tst_level_dialog.moc"

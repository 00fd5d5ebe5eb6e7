#include "window_test_support.h"
#include "main_window_access.h"

#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

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

bool showsLevelChoice(LevelDialog *dialog)
{
    return dialog->ui().levelPanel->isVisible() && !dialog->ui().scorePanel->isVisible();
}

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

// The main window asks when it shows, with Beginner selected; closed
// without OK, the dialog asks again on the next activation.
void tst_LevelDialog::startAsksForALevelWithBeginnerSelected()
{
    int asked = 0;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        ++asked;
        dialog->close();
    });
    m_main->show();
    QTRY_COMPARE(asked, 1);
    QVERIFY(!m_run->test.isLevelChosen());

    bool beginner = false;
    bool choiceInFront = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        beginner = dialog->ui().beginnerOption->isChecked();
        choiceInFront = showsLevelChoice(dialog);
        QTest::mouseClick(dialog->ui().okButton, Qt::LeftButton);
    });
    m_main->askForLevelIfNoneChosen();
    QVERIFY(m_run->test.isLevelChosen());
    QVERIFY(beginner);
    QVERIFY(choiceInFront);
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(Level::Beginner));
    // The dialog is destroyed by OK.
    QTRY_VERIFY(m_main->existingLevelDialog() == nullptr);
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
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        QRadioButton *options[] = {dialog->ui().beginnerOption, dialog->ui().intermediateOption, dialog->ui().expertOption};
        options[levelIndex(level)]->setChecked(true);
        dialog->confirmLevel();
    });
    m_main->chooseLevel();
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(level));
    QVERIFY(m_run->test.isLevelChosen());

    // Every fresh dialog starts at Beginner again.
    bool beginner = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        beginner = dialog->ui().beginnerOption->isChecked();
        dialog->close();
    });
    m_main->chooseLevel();
    QVERIFY(beginner);
}

void tst_LevelDialog::noOptionSelectedStillCountsAsChosen()
{
    whenModal<LevelDialog>("OK with no level chosen", [&](LevelDialog *dialog) {
        dialog->ui().beginnerOption->setAutoExclusive(false);
        dialog->ui().beginnerOption->setChecked(false);
        dialog->confirmLevel();
        // The message stands over the dialog, which stays until it is answered.
        QCOMPARE(m_run->platform.messages.size(), 1);
        QVERIFY(m_run->platform.messages[0].owner == dialog);
        QVERIFY(dialog->isVisible());
    });
    m_main->chooseLevel();
    QCOMPARE(m_run->platform.messages.size(), 1);
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

    bool restingWhileAsked = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        restingWhileAsked = samePicture(resultOf(m_main, Level::Beginner)->pixmap(), resting)
            && samePicture(resultOf(m_main, Level::Intermediate)->pixmap(), resting)
            && samePicture(resultOf(m_main, Level::Expert)->pixmap(), resting);
        dialog->close(); // without OK
    });
    QTest::mouseClick(control<QPushButton>(m_main, "backButton"), Qt::LeftButton);
    QVERIFY(restingWhileAsked);
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
    QStringList reached; // names only: the dialog is gone afterwards
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        if (!QTest::qWaitForWindowActive(dialog))
            reached << QStringLiteral("dialog never active");
        for (int i = 0; i < 12; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : dialog, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            reached << (focus ? focus->objectName() : QStringLiteral("no focus"));
        }
        dialog->confirmLevel();
    });
    m_main->chooseLevel();
    QVERIFY2(reached.contains(QStringLiteral("okButton")), qPrintable(reached.join(u' ')));
    for (const char *behind : {"scoreOkButton", "scoreBox", "no focus", "dialog never active"})
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
    whenModal<LevelDialog>([](LevelDialog *dialog) { QTest::mouseClick(dialog->ui().scoreOkButton, Qt::LeftButton); });
    QTest::keyClick(m_main, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(m_main->existingLevelDialog() != nullptr);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    QString shownLevel;
    bool closedByEnter = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        if (QTest::qWaitForWindowActive(dialog) && showsLevelChoice(dialog)) {
            for (QRadioButton *option : dialog->ui().levelGroup->findChildren<QRadioButton *>()) {
                if (option->isChecked())
                    shownLevel = option->text();
            }
        }
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);
        closedByEnter = !dialog->isVisible();
        if (!closedByEnter)
            dialog->close();
    });
    if (entry == QLatin1String("Back"))
        QTest::mouseClick(control<QPushButton>(m_main, "backButton"), Qt::LeftButton);
    else if (entry == QLatin1String("Ctrl+D"))
        QTest::keyClick(m_main, Qt::Key_D, Qt::ControlModifier);
    else
        control<QAction>(m_main, "levelAction")->trigger();

    QCOMPARE(shownLevel, QStringLiteral("Beginner"));
    QVERIFY(closedByEnter);
    QCOMPARE(panelInFront(m_main), m_main->levelPanel(Level::Beginner));
    // Confirmed, and so dismissed: the score's OK would only have hidden it.
    QTRY_VERIFY(m_main->existingLevelDialog() == nullptr);
}

QTEST_MAIN(tst_LevelDialog)
#include "tst_level_dialog.moc"

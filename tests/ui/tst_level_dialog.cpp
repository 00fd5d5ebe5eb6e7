#include "window_test_support.h"

#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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
    void closingWithoutOkAsksAgainOnTheNextActivation();
    void onceChosenActivationAsksNoMore();
    void backRestsAllResultPicturesAndAsks();
    void levelChoiceAfterScoreViewShowsTheChoice();
    void everyFreshDialogStartsAtBeginner();
    void keyboardReachesOnlyThePanelInFront();

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

void tst_LevelDialog::startAsksForALevelWithBeginnerSelected()
{
    bool beginner = false;
    bool choiceInFront = false;
    LevelDialog *shown = nullptr;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        shown = dialog;
        beginner = dialog->ui().beginnerOption->isChecked();
        choiceInFront = liesAbove(dialog->ui().levelPanel, dialog->ui().scorePanel);
        QTest::mouseClick(dialog->ui().okButton, Qt::LeftButton);
    });
    m_main->show();
    QTRY_VERIFY(m_run->test.isLevelChosen());
    QVERIFY(shown);
    QVERIFY(beginner);
    QVERIFY(choiceInFront);
    const Ui::MainWindow &ui = m_main->ui();
    QWidget *hit = ui.clientArea->childAt(ui.coverPanel->geometry().center());
    QVERIFY(hit == ui.beginnerPanel || ui.beginnerPanel->isAncestorOf(hit));
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
    const Ui::MainWindow &ui = m_main->ui();
    QFrame *panels[] = {ui.beginnerPanel, ui.intermediatePanel, ui.expertPanel};
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        QRadioButton *options[] = {dialog->ui().beginnerOption, dialog->ui().intermediateOption, dialog->ui().expertOption};
        options[levelIndex(level)]->setChecked(true);
        dialog->confirmLevel();
    });
    m_main->chooseLevel();
    // The chosen panel covers coverPanel and the other panels: the point in the
    // middle of the panel area belongs to it.
    QWidget *hit = ui.clientArea->childAt(ui.coverPanel->geometry().center());
    QVERIFY(hit);
    QVERIFY(hit == panels[levelIndex(level)] || panels[levelIndex(level)]->isAncestorOf(hit));
    QVERIFY(m_run->test.isLevelChosen());
}

void tst_LevelDialog::noOptionSelectedStillCountsAsChosen()
{
    whenModal<LevelDialog>("OK with no level chosen", [&](LevelDialog *dialog) {
        dialog->ui().beginnerOption->setAutoExclusive(false);
        dialog->ui().beginnerOption->setChecked(false);
        dialog->confirmLevel();
    });
    m_main->chooseLevel();
    QCOMPARE(m_run->platform.messages.size(), 1);
    QCOMPARE(m_run->platform.messages[0].text, QStringLiteral("Please Select An option"));
    QVERIFY(m_run->platform.messages[0].icon == Platform::Icon::Critical);
    QVERIFY(m_run->test.isLevelChosen());
    QVERIFY(m_main->ui().clientArea->childAt(m_main->ui().coverPanel->geometry().center()) == m_main->ui().coverPanel);
}

void tst_LevelDialog::closingWithoutOkAsksAgainOnTheNextActivation()
{
    int asked = 0;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        ++asked;
        dialog->close();
    });
    m_main->askForLevelIfNoneChosen();
    QCOMPARE(asked, 1);
    QVERIFY(!m_run->test.isLevelChosen());
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        ++asked;
        dialog->confirmLevel();
    });
    m_main->askForLevelIfNoneChosen();
    QCOMPARE(asked, 2);
    QVERIFY(m_run->test.isLevelChosen());
}

void tst_LevelDialog::onceChosenActivationAsksNoMore()
{
    m_run->test.setLevelChosen(true);
    m_main->askForLevelIfNoneChosen();
    QVERIFY(m_main->existingLevelDialog() == nullptr);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QTest::qWait(50);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void tst_LevelDialog::backRestsAllResultPicturesAndAsks()
{
    const Ui::MainWindow &ui = m_main->ui();
    m_run->test.setLevelChosen(true);
    ui.intermediatePanel->raise();
    m_run->random.push(ScriptedRandom::forSymbol(7, 8));
    whenModal<ResultDialog>([](ResultDialog *dialog) { dialog->accept(); });
    m_main->guess(Level::Intermediate, 0);
    const QPixmap resting = ui.pictures.restingPicture();
    QVERIFY(!samePicture(ui.intermediateResult->pixmap(), resting));

    bool restingWhileAsked = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        restingWhileAsked = samePicture(ui.beginnerResult->pixmap(), resting)
            && samePicture(ui.intermediateResult->pixmap(), resting)
            && samePicture(ui.expertResult->pixmap(), resting);
        dialog->close(); // without OK
    });
    QTest::mouseClick(ui.backButton, Qt::LeftButton);
    QVERIFY(restingWhileAsked);
    QCOMPARE(ui.intermediateResult->size(), resting.size());
    // Without OK nothing else changed: the Intermediate panel is still in front.
    QWidget *hit = ui.clientArea->childAt(ui.coverPanel->geometry().center());
    QVERIFY(hit == ui.intermediatePanel || ui.intermediatePanel->isAncestorOf(hit));
    QCOMPARE(int(m_run->test.attemptsCount(Level::Intermediate)), 1);
}

void tst_LevelDialog::levelChoiceAfterScoreViewShowsTheChoice()
{
    m_run->test.setLevelChosen(true);
    whenModal<LevelDialog>([](LevelDialog *dialog) { dialog->hideScore(); });
    m_main->showScore();
    QVERIFY(m_main->existingLevelDialog() != nullptr); // only hidden
    bool choiceInFront = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        choiceInFront = liesAbove(dialog->ui().levelPanel, dialog->ui().scorePanel);
        dialog->confirmLevel();
    });
    m_main->chooseLevel();
    QVERIFY(choiceInFront);
}

void tst_LevelDialog::everyFreshDialogStartsAtBeginner()
{
    m_run->test.setLevelChosen(true);
    whenModal<LevelDialog>([](LevelDialog *dialog) {
        dialog->ui().expertOption->setChecked(true);
        dialog->confirmLevel();
    });
    m_main->chooseLevel();
    bool beginner = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        beginner = dialog->ui().beginnerOption->isChecked();
        dialog->close();
    });
    m_main->chooseLevel();
    QVERIFY(beginner);
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

QTEST_MAIN(tst_LevelDialog)
#include "tst_level_dialog.moc"

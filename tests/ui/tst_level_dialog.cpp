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
    frmMain *m_main = nullptr;
};

void tst_LevelDialog::init()
{
    m_run = std::make_unique<TestRun>();
    m_main = new frmMain(m_run->context);
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
    frmSelectOption *shown = nullptr;
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        shown = dialog;
        beginner = dialog->ui().optBeginner->isChecked();
        choiceInFront = liesAbove(dialog->ui().fraSelectoption, dialog->ui().fraScore);
        QTest::mouseClick(dialog->ui().cmdOk, Qt::LeftButton);
    });
    m_main->show();
    QTRY_VERIFY(m_run->test.isLevelChosen());
    QVERIFY(shown);
    QVERIFY(beginner);
    QVERIFY(choiceInFront);
    const Ui::frmMain &ui = m_main->ui();
    QWidget *hit = ui.clientArea->childAt(ui.raCover->geometry().center());
    QVERIFY(hit == ui.fraBeginner || ui.fraBeginner->isAncestorOf(hit));
    // The dialog is destroyed by OK.
    QTRY_VERIFY(m_main->existingSelectOption() == nullptr);
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
    const Ui::frmMain &ui = m_main->ui();
    QFrame *panels[] = {ui.fraBeginner, ui.fraIntermediate, ui.fraExpert};
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        QRadioButton *options[] = {dialog->ui().optBeginner, dialog->ui().optIntermediate, dialog->ui().optExpert};
        options[levelIndex(level)]->setChecked(true);
        dialog->cmdOk_Click();
    });
    m_main->mnuDifficulty_Click();
    // The chosen panel covers raCover and the other panels: the point in the
    // middle of the panel area belongs to it.
    QWidget *hit = ui.clientArea->childAt(ui.raCover->geometry().center());
    QVERIFY(hit);
    QVERIFY(hit == panels[levelIndex(level)] || panels[levelIndex(level)]->isAncestorOf(hit));
    QVERIFY(m_run->test.isLevelChosen());
}

void tst_LevelDialog::noOptionSelectedStillCountsAsChosen()
{
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        dialog->ui().optBeginner->setAutoExclusive(false);
        dialog->ui().optBeginner->setChecked(false);
        dialog->cmdOk_Click();
    });
    m_main->mnuDifficulty_Click();
    QCOMPARE(m_run->platform.messages.size(), 1);
    QCOMPARE(m_run->platform.messages[0].text, QStringLiteral("Please Select An option"));
    QVERIFY(m_run->platform.messages[0].icon == Platform::Icon::Critical);
    QVERIFY(m_run->test.isLevelChosen());
    QVERIFY(m_main->ui().clientArea->childAt(m_main->ui().raCover->geometry().center()) == m_main->ui().raCover);
}

void tst_LevelDialog::closingWithoutOkAsksAgainOnTheNextActivation()
{
    int asked = 0;
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        ++asked;
        dialog->close();
    });
    m_main->Form_Activate();
    QCOMPARE(asked, 1);
    QVERIFY(!m_run->test.isLevelChosen());
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        ++asked;
        dialog->cmdOk_Click();
    });
    m_main->Form_Activate();
    QCOMPARE(asked, 2);
    QVERIFY(m_run->test.isLevelChosen());
}

void tst_LevelDialog::onceChosenActivationAsksNoMore()
{
    m_run->test.setLevelChosen(true);
    m_main->Form_Activate();
    QVERIFY(m_main->existingSelectOption() == nullptr);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    QTest::qWait(50);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void tst_LevelDialog::backRestsAllResultPicturesAndAsks()
{
    const Ui::frmMain &ui = m_main->ui();
    m_run->test.setLevelChosen(true);
    ui.fraIntermediate->raise();
    m_run->random.push(ScriptedRandom::forSymbol(7, 8));
    whenModal<frmResult>([](frmResult *dialog) { dialog->cmdTry_Click(); });
    m_main->PicIntermediate_Click(0);
    const QPixmap resting = ui.pictures.restingPicture();
    QVERIFY(!samePicture(ui.PicIntermediateResult->pixmap(), resting));

    bool restingWhileAsked = false;
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        restingWhileAsked = samePicture(ui.picZenerSymbol->pixmap(), resting)
            && samePicture(ui.PicIntermediateResult->pixmap(), resting)
            && samePicture(ui.picExpertResult->pixmap(), resting);
        dialog->close(); // without OK
    });
    QTest::mouseClick(ui.cmdBack, Qt::LeftButton);
    QVERIFY(restingWhileAsked);
    QCOMPARE(ui.PicIntermediateResult->size(), resting.size());
    // Without OK nothing else changed: the Intermediate panel is still in front.
    QWidget *hit = ui.clientArea->childAt(ui.raCover->geometry().center());
    QVERIFY(hit == ui.fraIntermediate || ui.fraIntermediate->isAncestorOf(hit));
    QCOMPARE(int(m_run->test.attemptsCount(Level::Intermediate)), 1);
}

void tst_LevelDialog::levelChoiceAfterScoreViewShowsTheChoice()
{
    m_run->test.setLevelChosen(true);
    whenModal<frmSelectOption>([](frmSelectOption *dialog) { dialog->cmdOkScore_Click(); });
    m_main->mnuScore_Click();
    QVERIFY(m_main->existingSelectOption() != nullptr); // only hidden
    bool choiceInFront = false;
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        choiceInFront = liesAbove(dialog->ui().fraSelectoption, dialog->ui().fraScore);
        dialog->cmdOk_Click();
    });
    m_main->mnuDifficulty_Click();
    QVERIFY(choiceInFront);
}

void tst_LevelDialog::everyFreshDialogStartsAtBeginner()
{
    m_run->test.setLevelChosen(true);
    whenModal<frmSelectOption>([](frmSelectOption *dialog) {
        dialog->ui().optExpert->setChecked(true);
        dialog->cmdOk_Click();
    });
    m_main->mnuDifficulty_Click();
    bool beginner = false;
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        beginner = dialog->ui().optBeginner->isChecked();
        dialog->close();
    });
    m_main->mnuDifficulty_Click();
    QVERIFY(beginner);
}

// With the level choice in front, Tab must not land on the score view's
// controls behind it (and the other way round).
void tst_LevelDialog::keyboardReachesOnlyThePanelInFront()
{
    m_run->test.setLevelChosen(true);
    QStringList reached; // names only: the dialog is gone afterwards
    whenModal<frmSelectOption>([&](frmSelectOption *dialog) {
        if (!QTest::qWaitForWindowActive(dialog))
            reached << QStringLiteral("dialog never active");
        for (int i = 0; i < 12; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : dialog, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            reached << (focus ? focus->objectName() : QStringLiteral("no focus"));
        }
        dialog->cmdOk_Click();
    });
    m_main->mnuDifficulty_Click();
    QVERIFY2(reached.contains(QStringLiteral("cmdOk")), qPrintable(reached.join(u' ')));
    for (const char *behind : {"cmdOkScore", "txtTotalScore", "no focus", "dialog never active"})
        QVERIFY2(!reached.contains(QLatin1String(behind)), qPrintable(reached.join(u' ')));
}

QTEST_MAIN(tst_LevelDialog)
#include "tst_level_dialog.moc"

#include "main_window_access.h"

#include "ui/guess_flow.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

// Each dialog stands over the window it belongs to: the window system keeps
// it above that window and centred on it, and the dialog goes when the
// window goes, instead of lingering on its own.
class tst_DialogOwners : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resultDialogStandsOverTheMainWindow();
    void everyGuessLeavesNoDialogBehind();
    void mainWindowGoneUnderTheResultTakesTheDialogAlong();

private:
    // Clicks the first Beginner choice, the draw pinned; the result dialog it opens.
    ResultDialog *openResultOfAGuess();

    std::unique_ptr<MainWindowRun> m_run;
};

void tst_DialogOwners::init()
{
    m_run = std::make_unique<MainWindowRun>();
    QVERIFY(m_run->show());
    m_run->main->showLevel(Level::Beginner);
}

void tst_DialogOwners::cleanup()
{
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

ResultDialog *tst_DialogOwners::openResultOfAGuess()
{
    m_run->random.push(ScriptedRandom::forSymbol(2, 5));
    QTest::mouseClick(choiceOf(m_run->main, Level::Beginner, 0), Qt::LeftButton);
    return m_run->openResult();
}

void tst_DialogOwners::resultDialogStandsOverTheMainWindow()
{
    ResultDialog *result = openResultOfAGuess();
    QVERIFY(result);
    QVERIFY(result->windowHandle());
    QCOMPARE(result->windowHandle()->transientParent(), m_run->main->windowHandle());
    // Nothing of the program takes input until it has been answered.
    QCOMPARE(QApplication::activeModalWidget(), result);
    QCOMPARE(result->windowModality(), Qt::ApplicationModal);
    QVERIFY(m_run->answerResult());
}

// Many guesses in one run: each result dialog is gone once answered.
void tst_DialogOwners::everyGuessLeavesNoDialogBehind()
{
    for (int guess = 0; guess < 3; ++guess) {
        QVERIFY(openResultOfAGuess());
        QVERIFY(m_run->answerResult());
        QVERIFY(m_run->reactivate());
    }
    QTRY_COMPARE(m_run->main->findChildren<ResultDialog *>().size(), 0);
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 3);
}

// The shutdown may destroy the main window while a result is shown: the
// dialog and the guess end with it, and the program takes input again.
void tst_DialogOwners::mainWindowGoneUnderTheResultTakesTheDialogAlong()
{
    QPointer<ResultDialog> result = openResultOfAGuess();
    QVERIFY(result);
    delete m_run->main;
    QVERIFY(!result);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_DialogOwners)
#include "tst_dialog_owners.moc"

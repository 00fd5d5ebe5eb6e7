#include "window_test_support.h"
#include "fakes/tallies.h"

#include "symboltest/score_report.h"
#include "ui/level_dialog.h"
#include "ui/main_window.h"

#include <QAction>
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
    void mouseOverTheScoreEmptiesTheClipboard();

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
    QString text;
    bool scoreInFront = false;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        text = dialog->ui().scoreBox->toPlainText();
        scoreInFront = dialog->ui().scorePanel->isVisible() && !dialog->ui().levelPanel->isVisible();
        QTest::mouseClick(dialog->ui().scoreOkButton, Qt::LeftButton);
    });
    open();
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
    const Ui::MainWindow &ui = m_main->ui();
    if (entry == QLatin1String("Ctrl+S")) {
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }
    const QString text = readScoreVia([&] {
        if (entry == QLatin1String("scoreAction"))
            ui.scoreAction->trigger();
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

// The score is there to be read, not copied: showing it, and the mouse
// working in it, empty the clipboard.
void tst_ScoreView::mouseOverTheScoreEmptiesTheClipboard()
{
    int before = -1;
    int after = -1;
    whenModal<LevelDialog>([&](LevelDialog *dialog) {
        before = m_run->platform.clipboardClears;
        QWidget *viewport = dialog->ui().scoreBox->viewport();
        QTest::mouseMove(viewport, QPoint(20, 20));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(25, 25));
        after = m_run->platform.clipboardClears;
        dialog->hideScore();
    });
    m_main->showScore();
    QVERIFY(before >= 1);
    QVERIFY2(after >= before + 3, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
}

QTEST_MAIN(tst_ScoreView)
#include "tst_score_view.moc"

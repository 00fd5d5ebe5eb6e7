#include "fakes/test_run.h"
#include "find_control.h"

#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/level_dialog.h"
#include "ui/level_panel.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/statistics_window.h"

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

// The round that Tab makes through each window, compared with the round
// recorded in reference/tab-rounds.txt, as the pictures are: a control that
// drops out of the round or moves in it shows here, where no picture would
// see it. CORVELLA_UPDATE_REFERENCE=1 records the rounds anew.
class tst_TabOrder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tabGoesRoundInTheRecordedOrder_data();
    void tabGoesRoundInTheRecordedOrder();
    void cleanupTestCase();

private:
    QMap<QString, QString> m_recorded;
    QMap<QString, QString> m_rounds;
};

namespace {

const QString referenceFile = QStringLiteral(CORVELLA_REFERENCE_DIR "/tab-rounds.txt");

bool updatingReferences()
{
    return qEnvironmentVariableIntValue("CORVELLA_UPDATE_REFERENCE") == 1;
}

// A window, shown and active, and whoever owns what it needs.
struct Shown
{
    std::unique_ptr<TestRun> run = std::make_unique<TestRun>();
    std::unique_ptr<QWidget> owner;
    QWidget *window = nullptr;
};

using Opener = std::function<void(Shown &)>;

// Tab from the control that has the keys until the keys come back to it:
// the names of the controls on the way, the first one first.
QString tabRound()
{
    QWidget *start = QApplication::focusWidget();
    if (!start)
        return QStringLiteral("(no control has the keys)");
    QStringList names{start->objectName()};
    for (int step = 0; step < 100; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (now == start)
            return names.join(QStringLiteral(" > "));
        names << (now ? now->objectName() : QStringLiteral("(none)"));
    }
    return names.join(QStringLiteral(" > ")) + QStringLiteral(" ... (never back)");
}

} // namespace

Q_DECLARE_METATYPE(Opener)

void tst_TabOrder::initTestCase()
{
    QFile file(referenceFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            m_recorded.insert(line.left(colon), line.mid(colon + 2));
    }
}

void tst_TabOrder::tabGoesRoundInTheRecordedOrder_data()
{
    QTest::addColumn<Opener>("open");
    for (Level level : AllLevels) {
        QTest::newRow(qPrintable(QStringLiteral("main window, %1 panel").arg(levelName(level))))
            << Opener([level](Shown &shown) {
                   // A level chosen before: no level choice opens over it.
                   shown.run->test.setLevelChosen(true);
                   auto *main = new MainWindow(shown.run->context);
                   shown.owner.reset(main);
                   shown.window = main;
                   main->show();
                   main->showLevel(level);
                   // The round is told from the panel's first control in
                   // the window's chain.
                   QWidget *first = main->nextInFocusChain();
                   while (first != main
                          && !(main->levelPanel(level)->isAncestorOf(first) && (first->focusPolicy() & Qt::TabFocus)))
                       first = first->nextInFocusChain();
                   first->setFocus(Qt::TabFocusReason);
               });
    }
    QTest::newRow("level dialog, level choice") << Opener([](Shown &shown) {
        auto *dialog = new LevelDialog(shown.run->platform, shown.run->test);
        shown.owner.reset(dialog);
        shown.window = dialog;
        dialog->showLevelChoice();
        dialog->show();
    });
    QTest::newRow("level dialog, score view") << Opener([](Shown &shown) {
        auto *dialog = new LevelDialog(shown.run->platform, shown.run->test);
        shown.owner.reset(dialog);
        shown.window = dialog;
        dialog->showScoreView();
        dialog->show();
    });
    QTest::newRow("result dialog") << Opener([](Shown &shown) {
        auto *dialog = new ResultDialog;
        shown.owner.reset(dialog);
        shown.window = dialog;
        dialog->show();
    });
    QTest::newRow("about box") << Opener([](Shown &shown) {
        auto *about = new AboutBox(shown.run->platform);
        shown.owner.reset(about);
        shown.window = about;
        about->show();
    });
    QTest::newRow("exit screen") << Opener([](Shown &shown) {
        shown.run->random.push(0.5f);
        auto *exit = new ExitScreen(shown.run->platform, shown.run->random, shown.run->windows);
        shown.owner.reset(exit);
        shown.window = exit;
        exit->show();
    });
    QTest::newRow("Statistics window") << Opener([](Shown &shown) {
        auto *statistics = new StatisticsWindow(shown.run->platform, shown.run->windows);
        shown.owner.reset(statistics);
        shown.window = statistics;
        statistics->show();
    });
}

void tst_TabOrder::tabGoesRoundInTheRecordedOrder()
{
    QFETCH(Opener, open);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    Shown shown;
    open(shown);
    QVERIFY(shown.window);
    shown.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown.window));
    const QString round = tabRound();
    shown.owner.reset();

    if (updatingReferences()) {
        m_rounds.insert(name, round);
        return;
    }
    QVERIFY2(m_recorded.contains(name), qPrintable(QStringLiteral("no recorded round for %1 in %2").arg(name, referenceFile)));
    QCOMPARE(round, m_recorded.value(name));
}

void tst_TabOrder::cleanupTestCase()
{
    if (!updatingReferences() || m_rounds.isEmpty())
        return;
    QFile file(referenceFile);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
    for (auto it = m_rounds.cbegin(); it != m_rounds.cend(); ++it)
        file.write((it.key() + QStringLiteral(": ") + it.value() + QLatin1Char('\n')).toUtf8());
    qInfo("wrote %s", qPrintable(referenceFile));
}

QTEST_MAIN(tst_TabOrder)
#include "tst_tab_order.moc"

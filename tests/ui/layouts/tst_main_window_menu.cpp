#include "shown_main_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The main window's menu bar and its shortcuts.
class tst_MainWindowMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuEntryHasItsCaptionAndShortcut_data();
    void menuEntryHasItsCaptionAndShortcut();
    void menusHoldTheirEntriesInOrder();
    void shortcutWorksFromAnywhereInTheWindow_data();
    void shortcutWorksFromAnywhereInTheWindow();
    void makeMoneyOnlineCannotBeChosen();

private:
    std::unique_ptr<ShownMainWindow> m_shown;
};

void tst_MainWindowMenu::init()
{
    m_shown = std::make_unique<ShownMainWindow>();
    QVERIFY(m_shown->show());
}

void tst_MainWindowMenu::cleanup()
{
    m_shown.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MainWindowMenu::menuEntryHasItsCaptionAndShortcut_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    auto row = [](const char *name, const char *caption, QKeySequence shortcut = {}) {
        QTest::newRow(name) << QString::fromLatin1(caption) << shortcut;
    };
    row("scoreAction", "Score...", QKeySequence(Qt::CTRL | Qt::Key_S));
    row("statisticsAction", "S&tatistics...", QKeySequence(Qt::CTRL | Qt::Key_T));
    row("levelAction", "Level of Difficulty...", QKeySequence(Qt::CTRL | Qt::Key_D));
    row("exitAction", "E&xit");
    row("onlineHelpAction", "&Online Help");
    row("visitSiteAction", "&Visit Us Online");
    row("updateAction", "Check for Software &Update");
    row("aboutAction", "&About Software");
    row("donateAction", "&Donate");
    row("makeMoneyAction", "Make Money &Online");
}

void tst_MainWindowMenu::menuEntryHasItsCaptionAndShortcut()
{
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    auto *entry = m_shown->control<QAction>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(entry);
    QCOMPARE(entry->text(), caption);
    QCOMPARE(entry->shortcut(), shortcut);
    QVERIFY(!entry->isCheckable());
}

void tst_MainWindowMenu::menusHoldTheirEntriesInOrder()
{
    auto names = [](const QList<QAction *> &actions) {
        QStringList result;
        for (QAction *action : actions)
            result << (action->menu() ? action->menu()->objectName() : action->objectName());
        return result;
    };
    QCOMPARE(m_shown->ui.fileMenu->title(), QStringLiteral("&File"));
    QCOMPARE(m_shown->ui.helpMenu->title(), QStringLiteral("&Help"));
    QCOMPARE(names(m_shown->window.menuBar()->actions()),
             QStringList({"fileMenu", "helpMenu", "donateAction", "makeMoneyAction"}));
    QCOMPARE(names(m_shown->ui.fileMenu->actions()), QStringList({"scoreAction", "statisticsAction", "levelAction", "exitAction"}));
    QCOMPARE(names(m_shown->ui.helpMenu->actions()),
             QStringList({"onlineHelpAction", "visitSiteAction", "pagesSeparator", "updateAction", "aboutSeparator", "aboutAction"}));
    QVERIFY(m_shown->ui.pagesSeparator->isSeparator());
    QVERIFY(m_shown->ui.aboutSeparator->isSeparator());
    QVERIFY(!m_shown->ui.donateAction->menu());
    QVERIFY(!m_shown->ui.makeMoneyAction->menu());
}

void tst_MainWindowMenu::shortcutWorksFromAnywhereInTheWindow_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("key");
    for (const char *focus : {"exitButton", "beginnerScoreButton", "expertScoreButton"}) {
        QTest::addRow("Ctrl+S, focus on %s", focus) << QString::fromLatin1(focus) << QStringLiteral("scoreAction")
                                                    << int(Qt::Key_S);
        QTest::addRow("Ctrl+D, focus on %s", focus) << QString::fromLatin1(focus)
                                                    << QStringLiteral("levelAction") << int(Qt::Key_D);
        QTest::addRow("Ctrl+T, focus on %s", focus) << QString::fromLatin1(focus)
                                                    << QStringLiteral("statisticsAction") << int(Qt::Key_T);
    }
}

void tst_MainWindowMenu::shortcutWorksFromAnywhereInTheWindow()
{
    QFETCH(QString, focus);
    QFETCH(QString, entry);
    QFETCH(int, key);
    QVERIFY(m_shown->activate());
    QWidget *focused = m_shown->control(focus);
    focused->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused);

    QSignalSpy triggered(m_shown->control<QAction>(entry), &QAction::triggered);
    QTest::keyClick(focused, Qt::Key(key), Qt::ControlModifier);
    QTRY_COMPARE(triggered.count(), 1);
}

void tst_MainWindowMenu::makeMoneyOnlineCannotBeChosen()
{
    QAction *entry = m_shown->ui.makeMoneyAction;
    // Shown greyed out in the menu bar.
    QVERIFY(!entry->isEnabled());
    QSignalSpy triggered(entry, &QAction::triggered);
    QMenuBar *bar = m_shown->window.menuBar();
    const QRect place = bar->actionGeometry(entry);
    QVERIFY(place.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, place.center());
    QVERIFY(m_shown->activate());
    QTest::keyClick(&m_shown->window, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(triggered.count(), 0);
}

QTEST_MAIN(tst_MainWindowMenu)
#include "tst_main_window_menu.moc"

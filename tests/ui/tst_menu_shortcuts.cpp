#include "main_window_access.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>

// Every menu entry is reachable from the keyboard, from anywhere in the
// window: its shortcut, or the access keys of the menu bar and the menu.
// The entries are cut off from the window, so that one triggers nothing else.
class tst_MenuShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void keysTriggerTheirEntry_data();
    void keysTriggerTheirEntry();
};

void tst_MenuShortcuts::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MenuShortcuts::keysTriggerTheirEntry_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("entry"); // empty: no entry may act
    QTest::newRow("Score") << QKeySequence(QStringLiteral("Ctrl+S")) << "scoreAction";
    QTest::newRow("Level of Difficulty") << QKeySequence(QStringLiteral("Ctrl+D")) << "levelAction";
    QTest::newRow("Exit") << QKeySequence(QStringLiteral("Alt+F, X")) << "exitAction";
    QTest::newRow("Online Help") << QKeySequence(QStringLiteral("Alt+H, O")) << "onlineHelpAction";
    QTest::newRow("Visit Us Online") << QKeySequence(QStringLiteral("Alt+H, V")) << "visitSiteAction";
    QTest::newRow("Check for Software Update") << QKeySequence(QStringLiteral("Alt+H, U")) << "updateAction";
    QTest::newRow("About Software") << QKeySequence(QStringLiteral("Alt+H, A")) << "aboutAction";
    QTest::newRow("Donate") << QKeySequence(QStringLiteral("Alt+D")) << "donateAction";
    // Shown greyed out: the offer is visible but can't be chosen.
    QTest::newRow("Make Money Online") << QKeySequence(QStringLiteral("Alt+O")) << "";
}

void tst_MenuShortcuts::keysTriggerTheirEntry()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, entry);
    MainWindowRun run;
    run.test.setLevelChosen(true);
    run.main = new MainWindow(run.context);
    QStringList triggered;
    for (QAction *action : run.main->findChildren<QAction *>()) {
        action->disconnect(run.main);
        connect(action, &QAction::triggered, this, [&triggered, action] { triggered << action->objectName(); });
    }
    run.main->show();
    QVERIFY(QTest::qWaitForWindowActive(run.main));
    auto *exitButton = control<QPushButton>(run.main, "exitButton");
    exitButton->setFocus();
    QTRY_VERIFY(exitButton->hasFocus());

    for (int i = 0; i < keys.count(); ++i) {
        // The second key goes to the menu that the first one opened.
        QWidget *target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        QTest::keyClick(target, keys[i].key(), keys[i].keyboardModifiers());
    }
    QCoreApplication::processEvents();
    QCOMPARE(triggered, entry.isEmpty() ? QStringList() : QStringList{entry});
    if (QWidget *menu = QApplication::activePopupWidget())
        menu->close();
}

QTEST_MAIN(tst_MenuShortcuts)
#include "tst_menu_shortcuts.moc"

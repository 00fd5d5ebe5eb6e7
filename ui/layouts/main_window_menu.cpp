#include "ui/layouts/main_window_layout.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// The main window's menu bar, its menus and their entries.

namespace Ui {

void MainWindow::setupMenu(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    auto entry = [](QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        // The shortcuts work from anywhere in the window.
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) {
        QAction *action = menu->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };

    fileMenu = bar->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    scoreAction = entry(fileMenu, "scoreAction", tr("Score..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    statisticsAction = entry(fileMenu, "statisticsAction", tr("S&tatistics..."),
                             QKeySequence(Qt::CTRL | Qt::Key_T));
    levelAction = entry(fileMenu, "levelAction", tr("Level of Difficulty..."),
                        QKeySequence(Qt::CTRL | Qt::Key_D));
    exitAction = entry(fileMenu, "exitAction", tr("E&xit"));

    helpMenu = bar->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    onlineHelpAction = entry(helpMenu, "onlineHelpAction", tr("&Online Help"));
    visitSiteAction = entry(helpMenu, "visitSiteAction", tr("&Visit Us Online"));
    pagesSeparator = separator(helpMenu, "pagesSeparator");
    updateAction = entry(helpMenu, "updateAction", tr("Check for Software &Update"));
    aboutSeparator = separator(helpMenu, "aboutSeparator");
    aboutAction = entry(helpMenu, "aboutAction", tr("&About Software"));

    // Entries of the menu bar itself act when clicked; they have no drop-down.
    donateAction = bar->addAction(tr("&Donate"));
    donateAction->setObjectName(QStringLiteral("donateAction"));
    makeMoneyAction = bar->addAction(tr("Make Money &Online"));
    makeMoneyAction->setObjectName(QStringLiteral("makeMoneyAction"));
    // Switched off in the design and never switched on: shown greyed out, so
    // the offer is visible but can't be chosen.
    makeMoneyAction->setEnabled(false);
}

} // namespace Ui

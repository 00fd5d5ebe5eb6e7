#pragma once

#include "window_test_support.h"

#include "ui/exit_screen.h"
#include "ui/shutdown.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

// One run's object graph with the exit screen open and active.
struct ExitScreenRun : TestRun
{
    explicit ExitScreenRun(float r = 0.5f)
    {
        random.push(r);
        screen = new ExitScreen(context);
        QObject::connect(screen, &ExitScreen::shutdownRequested, screen,
                         [this] { shutdownApplication(context); });
        screen->show();
        screen->activateWindow();
    }
    ~ExitScreenRun() { delete screen.data(); }

    // Active, with the focus on the Exit button (first in the tab order), so
    // that no form box starts with the focus.
    bool ready()
    {
        if (!QTest::qWaitForWindowActive(screen.data()))
            return false;
        screen->ui().exitButton->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitFor([this] { return screen->ui().exitButton->hasFocus(); });
    }

    QPointer<ExitScreen> screen;
};

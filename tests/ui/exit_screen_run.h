#pragma once

#include "find_control.h"
#include "window_test_support.h"

#include "ui/exit_screen.h"
#include "ui/shutdown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The exit screen's controls that the tests fill in and press.
struct ExitScreenControls
{
    explicit ExitScreenControls(const QWidget *screen)
        : exitButton(control<QPushButton>(screen, "exitButton"))
        , referButton(control<QPushButton>(screen, "referButton"))
        , yourNameBox(control<QLineEdit>(screen, "yourNameBox"))
        , yourEmailBox(control<QLineEdit>(screen, "yourEmailBox"))
        , yourMessageBox(control<QPlainTextEdit>(screen, "yourMessageBox"))
        , friendNameBox(control<QLineEdit>(screen, "friendNameBox"))
        , friendEmailBox(control<QLineEdit>(screen, "friendEmailBox"))
        , appealLabel(control<QLabel>(screen, "appealLabel"))
    {
    }

    QPushButton *exitButton;
    QPushButton *referButton;
    QLineEdit *yourNameBox;
    QLineEdit *yourEmailBox;
    QPlainTextEdit *yourMessageBox;
    QLineEdit *friendNameBox;
    QLineEdit *friendEmailBox;
    QLabel *appealLabel;
};

// One run's object graph with the exit screen open and active.
struct ExitScreenRun : TestRun
{
    explicit ExitScreenRun(float r = 0.5f)
    {
        random.push(r);
        screen = new ExitScreen(platform, random, windows);
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
        control<QPushButton>(screen.data(), "exitButton")->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitFor([this] { return control<QPushButton>(screen.data(), "exitButton")->hasFocus(); });
    }

    QPointer<ExitScreen> screen;
};

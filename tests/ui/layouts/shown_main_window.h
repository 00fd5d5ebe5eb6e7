#pragma once

#include "ui/layouts/main_window_layout.h"

#include <QMainWindow>
#include <QTest>

// The main window built from its design and shown, as the main window
// layout tests look at it.
struct ShownMainWindow
{
    QMainWindow window;
    Ui::MainWindow ui;

    ShownMainWindow() { ui.setupUi(&window); }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    bool activate()
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return window.findChild<T *>(name);
    }

    QPoint inClientArea(const QWidget *widget, QPoint at) const { return widget->mapTo(ui.clientArea, at); }
};

// Whether what the user sees at a place (childAt) belongs to owner.
inline bool coveredBy(const QWidget *shown, const QWidget *owner)
{
    return shown == owner || (shown && owner->isAncestorOf(shown));
}

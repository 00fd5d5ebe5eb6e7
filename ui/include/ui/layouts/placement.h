#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QWidget>

// Pages added to a stack after the form is set up, and where a window starts.
namespace Design {

// Adds a page to a stack of pages. The page fills the stack at once, as
// the stack's layout will when it first runs, once the window is shown.
inline void addPage(QStackedWidget *stack, QWidget *page)
{
    page->setGeometry(stack->contentsRect());
    stack->addWidget(page);
}

// Centres a window of fixed size on the primary screen.
inline void centreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace Design

#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QWidget>

#include <initializer_list>

// Stacking, pages, tab order and start position of the windows' designs.
namespace Design {

// Stacks siblings so that each one covers those listed after it.
inline void stackTopDown(std::initializer_list<QWidget *> topToBottom)
{
    for (auto it = std::rbegin(topToBottom); it != std::rend(topToBottom); ++it)
        (*it)->raise();
}

// Adds a page to a stack of pages. The page fills the stack at once, as
// the stack's layout will when it first runs, once the window is shown.
inline void addPage(QStackedWidget *stack, QWidget *page)
{
    page->setGeometry(stack->contentsRect());
    stack->addWidget(page);
}

// Chains the focusable controls in the order given.
inline void chainTabOrder(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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

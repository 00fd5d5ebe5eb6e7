#include "ui/window_registry.h"

WindowRegistry::~WindowRegistry()
{
    // One at a time: a window may take others with it (those it owns).
    for (QList<QWidget *> open = openWindows(); !open.isEmpty(); open = openWindows())
        delete open.first();
}

void WindowRegistry::add(QWidget *window)
{
    m_windows.removeAll(nullptr);
    m_windows.append(window);
}

QList<QWidget *> WindowRegistry::openWindows() const
{
    QList<QWidget *> open;
    for (const QPointer<QWidget> &window : m_windows) {
        if (window)
            open.append(window);
    }
    return open;
}

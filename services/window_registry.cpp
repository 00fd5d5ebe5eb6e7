#include "services/window_registry.h"

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

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The program's open (loaded) windows in the order in which they were
// created. A window adds itself when it is created; a destroyed window drops
// out by itself. A dialog that a window owns goes with that window, unlisted. Windows still loaded when the registry goes are destroyed
// with it, without their closing steps.
class WindowRegistry
{
public:
    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;
    ~WindowRegistry();

    void add(QWidget *window);
    QList<QWidget *> openWindows() const;

private:
    QList<QPointer<QWidget>> m_windows;
};

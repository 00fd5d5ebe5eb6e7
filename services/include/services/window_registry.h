#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The program's open (loaded) windows in the order in which they were
// created. A window adds itself when it is created; a destroyed window drops
// out by itself.
class WindowRegistry
{
public:
    void add(QWidget *window);
    QList<QWidget *> openWindows() const;

private:
    QList<QPointer<QWidget>> m_windows;
};

#pragma once

#include <QObject>

// While it exists, whatever the user does to any of the program's windows is
// dropped before it reaches a widget: mouse, wheel, keys, shortcuts, touch,
// pen, context menus and the window manager's close requests. Everything
// else goes on: painting, timers, window-system and screen-reader queries.
//
// It filters the whole application rather than one window, so that no
// window, menu or dialog of the program can be reached meanwhile.
class InputBlocker final : public QObject
{
    Q_OBJECT

public:
    explicit InputBlocker(QObject *parent = nullptr);
    ~InputBlocker() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

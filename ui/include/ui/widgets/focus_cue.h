#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <Qt>

// Whether a control shows that it has the keyboard focus. The cue appears
// once the focus came by the keyboard (Tab, Backtab) or a key was pressed
// on the control, so a mouse user never sees it. It survives the window
// going inactive behind a dialog and returns with the window.
class FocusCue
{
public:
    bool isShown() const { return m_shown; }

    void focusIn(Qt::FocusReason reason)
    {
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_shown = true;
        else if (!keepsCue(reason))
            m_shown = false;
    }
    void focusOut(Qt::FocusReason reason)
    {
        // A key that went down here and comes up elsewhere presses nothing.
        m_keyDown = 0;
        if (!keepsCue(reason))
            m_shown = false;
    }

    // Space, Return and Enter press the control as a click does. The key
    // acts when it comes up, and only if it went down on this control; a
    // held key repeats nothing. Both return whether they took the event.
    bool takeKeyPress(QKeyEvent *event)
    {
        if (!isPressKey(event))
            return false;
        event->accept();
        if (!event->isAutoRepeat()) {
            m_keyDown = event->key();
            m_shown = true;
        }
        return true;
    }
    bool takeKeyRelease(QKeyEvent *event, bool &press)
    {
        press = false;
        if (m_keyDown == 0 || event->key() != m_keyDown)
            return false;
        event->accept();
        if (!event->isAutoRepeat()) {
            m_keyDown = 0;
            press = true;
        }
        return true;
    }

private:
    static bool isPressKey(const QKeyEvent *event)
    {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::NoModifier)
            return false;
        return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    }
    static bool keepsCue(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    bool m_shown = false;
    int m_keyDown = 0;
};

// A control that lies under a sibling in front of it shows nothing.
inline bool isUncovered(const QWidget *widget)
{
    return widget->isVisible() && !widget->visibleRegion().isEmpty();
}

#pragma once

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
        if (!keepsCue(reason))
            m_shown = false;
    }
    void keyPressed() { m_shown = true; }

private:
    static bool keepsCue(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

    bool m_shown = false;
};

#pragma once

#include <QAbstractButton>

// A button that draws nothing of a button's face, only what a subclass
// paints: a picture, a link's text. Qt gives it the click, Space, the
// keyboard focus and the screen reader's press; Enter and Return press it
// as Space does. Like a label, it takes no focus unless a window lets it.
class BareButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BareButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // Whether a press can come from the user now: the button is on the
    // screen, and no modal dialog keeps its window from the mouse and keys.
    bool takesPresses() const;
};

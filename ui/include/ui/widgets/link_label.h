#pragma once

#include "ui/widgets/focus_cue.h"

#include <QLabel>

// A label that acts as a web link: hand pointer, and clicked() on a left
// click. Screen readers see a link named by its text, which they can press.
// A window may let it take the focus by Tab; Space or Enter then press it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // What a click does.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The key (Space, Enter) pressed on the label, acted on when it comes up.
    FocusCue m_focusCue;
};

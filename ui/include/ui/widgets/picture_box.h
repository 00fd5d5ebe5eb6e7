#pragma once

#include "ui/widgets/focus_cue.h"

#include <QLabel>

// A picture box: shows one picture at its top-left corner and takes the
// picture's size. A clickable box reports a click through clicked(), takes
// the focus by Tab and is pressed with Space or Enter as well. Screen
// readers know a box by its accessible name, the symbol that it shows.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Shows the picture and resizes the box to it.
    void setPicture(const QPixmap &picture);
    // The same, and names what the picture shows for screen readers.
    void setPicture(const QPixmap &picture, const QString &name);
    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    // What a click on a clickable box does; nothing on one that isn't.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_clickable = false;
    bool m_pressed = false;
    // The key (Space, Enter) pressed on the box, acted on when it comes up.
    FocusCue m_focusCue;
};

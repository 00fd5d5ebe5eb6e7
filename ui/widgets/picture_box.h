#pragma once

#include <QLabel>

// A picture box: shows one picture at its top-left corner and takes the
// picture's size. A click reports itself through clicked().
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Shows the picture and resizes the box to it.
    void setPicture(const QPixmap &picture);
    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_clickable = false;
    bool m_pressed = false;
};

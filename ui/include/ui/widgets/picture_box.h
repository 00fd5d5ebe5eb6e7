#pragma once

#include <QLabel>

// A picture box: shows one picture at its top-left corner and takes the
// picture's size. Screen readers know it as a graphic named by its
// accessible name. A window may let it take the focus by Tab, so that a
// screen reader can tell what it shows; it then shows the focus frame.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Shows the picture and resizes the box to it.
    void setPicture(const QPixmap &picture);
    // The same, and names what the picture shows for screen readers.
    void setPicture(const QPixmap &picture, const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
};

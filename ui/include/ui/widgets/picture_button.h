#pragma once

#include "ui/widgets/bare_button.h"

#include <QPixmap>

// A picture that is pressed like a button: it shows its picture at its
// top-left corner and takes the picture's size. It takes the focus by Tab
// only, so that a click leaves no focus frame behind. Screen readers know
// it as a button named by its accessible name.
class PictureButton : public BareButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

    // Shows the picture and resizes the button to it.
    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

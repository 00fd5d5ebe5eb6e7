#include "ui/widgets/picture_box.h"

#include "ui/widgets/focus_frame.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    // A picture for a scaled screen has more pixels than its size on screen.
    resize(picture.deviceIndependentSize().toSize());
}

void PictureBox::setPicture(const QPixmap &picture, const QString &name)
{
    setPicture(picture);
    setAccessibleName(name);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!showsKeyboardFocus(this))
        return;
    QPainter painter(this);
    drawPictureFocusFrame(painter, this);
}

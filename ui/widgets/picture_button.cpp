#include "ui/widgets/picture_button.h"

#include "ui/widgets/focus_frame.h"

#include <QPainter>

PictureButton::PictureButton(QWidget *parent)
    : BareButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    // A picture for a scaled screen has more pixels than its size on screen.
    resize(picture.deviceIndependentSize().toSize());
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemPixmap(&painter, rect(), Qt::AlignLeft | Qt::AlignTop, m_picture);
    if (showsKeyboardFocus(this))
        drawPictureFocusFrame(painter, this);
}

#pragma once

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

// Whether a control shows that it has the keyboard focus. Qt's own rule for
// focus frames: the control has the focus and the focus has moved by the
// keyboard in its window, so a mouse user never sees a frame.
inline bool showsKeyboardFocus(const QWidget *widget)
{
    QStyleOption option;
    option.initFrom(widget);
    return option.state.testFlag(QStyle::State_HasFocus) && option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

// The focus frame of a picture lies on its edge, inside, so that the
// picture keeps its size and place.
inline void drawPictureFocusFrame(QPainter &painter, const QWidget *widget)
{
    const QRectF edge(widget->rect());
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    painter.drawRect(edge.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(edge.adjusted(2.5, 2.5, -2.5, -2.5));
}

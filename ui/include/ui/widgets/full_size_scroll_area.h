#pragma once

#include <QScrollArea>

// A scroll area that asks for the whole of its contents: scroll bars only
// where the screen cannot give that room. (A plain QScrollArea asks for a
// fixed small size, whatever it holds.)
class FullSizeScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit FullSizeScrollArea(QWidget *parent = nullptr)
        : QScrollArea(parent)
    {
    }

    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

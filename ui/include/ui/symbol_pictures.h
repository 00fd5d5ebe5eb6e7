#pragma once

#include "symboltest/level.h"

#include <QIcon>
#include <QList>
#include <QPixmap>

// An ordered store of pictures, addressed from 1.
class PictureList
{
public:
    PictureList() = default;
    explicit PictureList(QList<QPixmap> pictures);

    int count() const;
    // Picture n, 1 <= n <= count(); a null pixmap outside that range.
    QPixmap picture(int n) const;

private:
    QList<QPixmap> m_pictures;
};

// The picture lists of the three levels. Picture n of a level's list shows
// symbol n; the Beginner list's sixth picture is the resting picture.
struct SymbolPictures
{
    PictureList beginner;
    PictureList intermediate;
    PictureList expert;

    // Loads the lists from the pictures compiled into the program.
    static SymbolPictures load();

    const PictureList &forLevel(Level level) const;
    QPixmap restingPicture() const;
};

// The program icon, in every size shipped.
QIcon programIcon();
// The 32 x 32 program icon, as the about box and the exit screen show it.
QPixmap programIconPicture();

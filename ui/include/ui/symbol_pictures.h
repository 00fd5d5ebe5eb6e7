#pragma once

#include "symboltest/level.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QStringList>

// An ordered store of pictures, addressed from 1. A picture is read from its
// file the first time it is asked for, in the variant for the device pixel
// ratio the list was made for, so that start-up decodes none of them and a
// screen at 1x never decodes a 2x one.
class PictureList
{
public:
    PictureList() = default;
    // paths: the 1x files, ":/symbols/circle.jpg"
    PictureList(QStringList paths, qreal devicePixelRatio);

    int count() const;
    // Picture n, 1 <= n <= count(); a null pixmap outside that range or if
    // its file does not load.
    QPixmap picture(int n) const;

private:
    QStringList m_paths;
    qreal m_devicePixelRatio = 1;
    mutable QList<QPixmap> m_loaded;
};

// The picture lists of the three levels. Picture n of a level's list shows
// symbol n; the Beginner list's sixth picture is the resting picture.
struct SymbolPictures
{
    PictureList beginner;
    PictureList intermediate;
    PictureList expert;

    // The lists of the pictures compiled into the program, for a screen of
    // the given device pixel ratio; nothing is decoded yet.
    static SymbolPictures load(qreal devicePixelRatio = 1);

    const PictureList &forLevel(Level level) const;
    QPixmap restingPicture() const;
};

// The program icon for a screen of the given device pixel ratio, in the
// sizes a window manager shows (16 to 64 px): the window system is handed
// every size an icon holds, and the larger ones only cost start-up time.
QIcon programIcon(qreal devicePixelRatio = 1);
// The 32 x 32 program icon, as the about box and the exit screen show it.
QPixmap programIconPicture(qreal devicePixelRatio = 1);

#pragma once

#include <QPixmap>

class QString;

// The variant of a picture that suits a device pixel ratio: 1, 2 or 3, the
// smallest whose pixels are at least as fine as the screen's (1.25 and 1.5
// take the 2x variant); ratios above 3 make do with the 3x one.
int pictureScaleFor(qreal devicePixelRatio);

// Loads a picture by the path of its 1x file (":/symbols/circle.jpg") in the
// variant for the given device pixel ratio (":/symbols/circle@2x.jpg" at 2),
// with the pixmap's device pixel ratio set to the variant's scale so that it
// lays out at the 1x size. Only that one file is read; if it is missing, the
// next smaller variant is used. A null pixmap if no variant loads.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio);

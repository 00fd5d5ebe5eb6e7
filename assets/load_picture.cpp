#include "assets/load_picture.h"

#include <QString>

namespace {

// Qt's naming of a picture's variants for scaled displays: name@2x.ext.
QString variantPath(const QString &path, int scale)
{
    if (scale == 1)
        return path;
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype stemEnd = dot > path.lastIndexOf(u'/') ? dot : path.size();
    return path.left(stemEnd) + QStringLiteral("@%1x").arg(scale) + path.mid(stemEnd);
}

} // namespace

int pictureScaleFor(qreal devicePixelRatio)
{
    // Written so that a ratio that is not a number takes the 1x picture.
    if (!(devicePixelRatio > 1))
        return 1;
    return devicePixelRatio <= 2 ? 2 : 3;
}

QPixmap loadPicture(const QString &path, qreal devicePixelRatio)
{
    for (int scale = pictureScaleFor(devicePixelRatio); scale >= 1; --scale) {
        QPixmap picture;
        if (picture.load(variantPath(path, scale))) {
            // Qt reads the scale from an @Nx name too, unless
            // QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING is set; the layout must not depend on that.
            picture.setDevicePixelRatio(scale);
            return picture;
        }
    }
    return {};
}

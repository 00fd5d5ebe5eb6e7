// Draws the symbol pictures and the program icon into a directory:
//   corvella_draw_artwork <output directory>
// writes symbols/<name>.jpg and icons/corvella-<size>.png beneath it, each
// with its <name>@2x and <name>@3x variants for scaled displays.

#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

QImage renderArtwork(const Artwork &artwork, int scale)
{
    QImage image(artwork.size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The window, not a world scale, maps the picture's units onto the
    // pixels: painter.window() then still answers the picture's own area.
    painter.setWindow(QRect(QPoint(0, 0), artwork.size));
    artwork.paint(painter);
    return image;
}

namespace {

// The scales drawn for every picture; Qt's convention names the variants
// name@2x.ext and name@3x.ext.
constexpr int Scales[] = {1, 2, 3};

QString variantName(const QString &stem, int scale)
{
    return scale == 1 ? stem : QStringLiteral("%1@%2x").arg(stem).arg(scale);
}

bool save(const QImage &image, const QString &path, const QByteArray &format, int quality)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (writer.write(image))
        return true;
    QTextStream(stderr) << path << ": " << writer.errorString() << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: corvella_draw_artwork <output directory>\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("symbols")) || !out.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << "cannot create the output directories under " << out.path() << '\n';
        return 1;
    }

    bool ok = true;
    for (int scale : Scales) {
        for (const Artwork &artwork : zenerSymbols() + emblems()) {
            const QString file = variantName(QStringLiteral("symbols/") + artwork.name, scale) + QStringLiteral(".jpg");
            ok &= save(renderArtwork(artwork, scale), out.filePath(file), "jpg", 92);
        }
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString file = variantName(QStringLiteral("icons/corvella-%1").arg(size), scale) + QStringLiteral(".png");
            ok &= save(renderProgramIcon(size, scale), out.filePath(file), "png", -1);
        }
    }
    return ok ? 0 : 1;
}

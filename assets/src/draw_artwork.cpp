// Draws the symbol pictures and the program icon into a directory:
//   corvella_draw_artwork <output directory>
// writes symbols/<name>.jpg and icons/corvella-<size>.png beneath it.

#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

QImage renderArtwork(const Artwork &artwork)
{
    QImage image(artwork.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    artwork.paint(painter);
    return image;
}

namespace {

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
    for (const Artwork &artwork : zenerSymbols() + emblems())
        ok &= save(renderArtwork(artwork), out.filePath(QStringLiteral("symbols/%1.jpg").arg(artwork.name)), "jpg", 92);
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= save(renderProgramIcon(size), out.filePath(QStringLiteral("icons/corvella-%1.png").arg(size)), "png", -1);
    return ok ? 0 : 1;
}

#include "picture_resources.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>

// The pictures drawn for scaled displays: each 1x picture has a variant at
// 2x and 3x, drawn at that resolution rather than smoothed up from 1x.
class TestScaledArtwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureHasItsScaledVariants_data();
    void everyPictureHasItsScaledVariants();
    void scaledVariantShowsThePicture_data();
    void scaledVariantShowsThePicture();
    void scaledVariantIsSharperThanASmoothedUpPicture_data();
    void scaledVariantIsSharperThanASmoothedUpPicture();

private:
    static void addVariantRows();
};

namespace {

QImage premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Sum of squared differences between neighbouring pixels, over all four
// channels: the energy of a picture's edges and fine detail.
double edgeEnergy(const QImage &source)
{
    const QImage image = premultiplied(source);
    double energy = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *below = reinterpret_cast<const QRgb *>(image.constScanLine(y + 1));
        for (int x = 0; x + 1 < image.width(); ++x) {
            for (int shift : {0, 8, 16, 24}) {
                const int here = int(row[x] >> shift & 0xff);
                const int right = int(row[x + 1] >> shift & 0xff) - here;
                const int down = int(below[x] >> shift & 0xff) - here;
                energy += right * right + down * down;
            }
        }
    }
    return energy;
}

// Mean absolute difference of two pictures of one size, per channel, in
// levels of 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage first = premultiplied(a);
    const QImage second = premultiplied(b);
    double total = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(first.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            for (int shift : {0, 8, 16, 24})
                total += std::abs(int(p[x] >> shift & 0xff) - int(q[x] >> shift & 0xff));
        }
    }
    return total / (4.0 * first.width() * first.height());
}

// The picture moved right and down by whole pixels, its edge repeated into
// the uncovered strip.
QImage moved(const QImage &source, int dx, int dy)
{
    const QImage image = premultiplied(source);
    QImage result(image.size(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(std::max(0, y - dy)));
        auto *to = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = from[std::max(0, x - dx)];
    }
    return result;
}

} // namespace

void TestScaledArtwork::initTestCase()
{
    QVERIFY2(!compiledPictures().isEmpty(), "no pictures are compiled in");
}

void TestScaledArtwork::addVariantRows()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("scale");
    for (const QString &path : compiledPictures()) {
        for (int scale : {2, 3})
            QTest::addRow("%s @%dx", qPrintable(path), scale) << path << scale;
    }
}

void TestScaledArtwork::everyPictureHasItsScaledVariants_data()
{
    addVariantRows();
}

void TestScaledArtwork::everyPictureHasItsScaledVariants()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    const QString variant = scaledVariant(path, scale);
    QVERIFY2(QFile::exists(variant), qPrintable(variant + QStringLiteral(" is not compiled in")));
    QImageReader picture(path);
    QImageReader scaled(variant);
    QCOMPARE(scaled.size(), picture.size() * scale);
    QCOMPARE(scaled.format(), picture.format());
}

void TestScaledArtwork::scaledVariantShowsThePicture_data()
{
    addVariantRows();
}

void TestScaledArtwork::scaledVariantShowsThePicture()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    const QImage picture(path);
    const QImage scaled(scaledVariant(path, scale));
    QVERIFY(!picture.isNull() && !scaled.isNull());
    // Brought down to 1x, the variant differs from the picture only by its
    // antialiasing and the compression's rounding: less than the picture
    // differs from itself moved by one pixel. A shape drawn elsewhere, at
    // another size or in other colours differs by more along every edge.
    const QImage reduced = scaled.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(reduced, picture);
    const double misplaced = std::min(meanDifference(picture, moved(picture, 1, 0)),
                                      meanDifference(picture, moved(picture, 0, 1)));
    QVERIFY2(difference < misplaced,
             qPrintable(QStringLiteral("differs by %1 levels on average; moved by a pixel, the picture differs by %2")
                            .arg(difference)
                            .arg(misplaced)));
}

void TestScaledArtwork::scaledVariantIsSharperThanASmoothedUpPicture_data()
{
    addVariantRows();
}

void TestScaledArtwork::scaledVariantIsSharperThanASmoothedUpPicture()
{
    QFETCH(QString, path);
    QFETCH(int, scale);
    const QImage picture(path);
    const QImage scaled(scaledVariant(path, scale));
    QVERIFY(!picture.isNull() && !scaled.isNull());
    const QImage smoothedUp = picture.scaled(scaled.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // An edge drawn at N times the resolution rises within about one pixel;
    // smoothed up from 1x it rises over about N pixels by 1/N of its height
    // each, so its squared differences sum to about 1/N as much. Asking for
    // half the way from "no sharper" to that leaves room for the pictures'
    // soft shading, which is no sharper at any scale.
    const double gain = edgeEnergy(scaled) / edgeEnergy(smoothedUp);
    const double wanted = (1.0 + scale) / 2;
    QVERIFY2(gain >= wanted, qPrintable(QStringLiteral("%1 times the edge energy of the picture smoothed up, "
                                                       "not %2").arg(gain).arg(wanted)));
}

QTEST_MAIN(TestScaledArtwork)
#include "tst_scaled_artwork.moc"

#include "assets/load_picture.h"
#include "picture_resources.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

class TestLoadPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadsTheVariantForTheScreensScale_data();
    void loadsTheVariantForTheScreensScale();
    void fallsBackToASmallerVariantWhenOneIsMissing();
    void missingPictureIsNull();
};

void TestLoadPicture::initTestCase()
{
    QVERIFY2(!compiledPictures().isEmpty(), "no pictures are compiled in");
}

void TestLoadPicture::loadsTheVariantForTheScreensScale_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<int>("expectedScale");

    // The smallest variant whose pixels are at least as fine as the screen's.
    const struct
    {
        const char *name;
        qreal devicePixelRatio;
        int scale;
    } screens[] = {
        {"unscaled", 1.0, 1},      {"below 1", 0.75, 1},     {"125 percent", 1.25, 2},
        {"150 percent", 1.5, 2},   {"doubled", 2.0, 2},      {"250 percent", 2.5, 3},
        {"tripled", 3.0, 3},       {"beyond 3", 4.0, 3},
    };
    for (const QString &path : compiledPictures()) {
        for (const auto &screen : screens)
            QTest::addRow("%s %s", qPrintable(path), screen.name) << path << screen.devicePixelRatio << screen.scale;
    }
}

void TestLoadPicture::loadsTheVariantForTheScreensScale()
{
    QFETCH(QString, path);
    QFETCH(qreal, devicePixelRatio);
    QFETCH(int, expectedScale);

    const QSize designSize = QImageReader(path).size();
    const QPixmap picture = loadPicture(path, devicePixelRatio);
    QCOMPARE(picture.size(), designSize * expectedScale);
    QCOMPARE(picture.devicePixelRatio(), qreal(expectedScale));
    // Laid out at the size the windows were designed for, whatever the scale.
    QCOMPARE(picture.deviceIndependentSize().toSize(), designSize);
    // The pixels are the variant's own, not a smaller picture stretched.
    const QString source = expectedScale == 1 ? path : scaledVariant(path, expectedScale);
    const QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    QCOMPARE(picture.toImage().convertToFormat(format), QImage(source).convertToFormat(format));
}

void TestLoadPicture::fallsBackToASmallerVariantWhenOneIsMissing()
{
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("mark.png"));
    const QSize designSize(10, 7);
    QImage picture(designSize, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(path));
    QVERIFY(picture.scaled(designSize * 2).save(scaledVariant(path, 2)));

    const QPixmap withoutThrice = loadPicture(path, 3);
    QCOMPARE(withoutThrice.size(), designSize * 2);
    QCOMPARE(withoutThrice.devicePixelRatio(), 2.0);

    QVERIFY(QFile::remove(scaledVariant(path, 2)));
    const QPixmap onlyOnce = loadPicture(path, 2);
    QCOMPARE(onlyOnce.size(), designSize);
    QCOMPARE(onlyOnce.devicePixelRatio(), 1.0);
}

void TestLoadPicture::missingPictureIsNull()
{
    QVERIFY(loadPicture(QStringLiteral(":/symbols/no_such_picture.jpg"), 1).isNull());
    QVERIFY(loadPicture(QStringLiteral(":/symbols/no_such_picture.jpg"), 2).isNull());
}

QTEST_MAIN(TestLoadPicture)
#include "tst_load_picture.moc"

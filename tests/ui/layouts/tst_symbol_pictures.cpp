#include "ui/symbol_pictures.h"

#include <QIcon>
#include <QImage>
#include <QTest>

#include <cstdlib>

namespace {

QImage comparable(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Mean difference per colour channel (0..255) of two pictures brought to a
// common small size: large when a person would see two different symbols.
double visibleDifference(const QImage &a, const QImage &b)
{
    const QSize common(48, 48);
    const QImage x = a.scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int row = 0; row < common.height(); ++row) {
        for (int col = 0; col < common.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * common.width() * common.height());
}

bool isDarkGreen(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 30 && qGreen(pixel) > qBlue(pixel) + 20 && qGreen(pixel) < 140;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 225 && qGreen(pixel) > 225 && qBlue(pixel) > 225;
}

} // namespace

class TestSymbolPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureLoadsAtItsSize_data();
    void everyPictureLoadsAtItsSize();
    void sharedPicturesAreTheSameImage_data();
    void sharedPicturesAreTheSameImage();
    void distinctSymbolsCannotBeConfused();
    void beginnerSymbolsAreWhiteOnDarkGreen_data();
    void beginnerSymbolsAreWhiteOnDarkGreen();
    void restingPictureIsTheBeginnersSixth();
    void lookupOutsideTheListHoldsNothing_data();
    void lookupOutsideTheListHoldsNothing();
    void programIconHasTheWindowSize();

private:
    SymbolPictures m_pictures;
};

void TestSymbolPictures::initTestCase()
{
    m_pictures = SymbolPictures::load();
}

void TestSymbolPictures::everyPictureLoadsAtItsSize_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("n");
    QTest::addColumn<QSize>("size");

    const QSize square(100, 100);
    const QSize emblem(101, 98);
    for (Level level : AllLevels) {
        const QByteArray name = levelName(level);
        QTest::newRow(name + " 1 circle") << level << 1 << square;
        QTest::newRow(name + " 2 plus") << level << 2 << square;
        QTest::newRow(name + " 3 square") << level << 3 << square;
        QTest::newRow(name + " 4 star") << level << 4 << square;
    }
    QTest::newRow("Beginner 5 waves") << Level::Beginner << 5 << square;
    QTest::newRow("Beginner 6 resting cube") << Level::Beginner << 6 << emblem;
    QTest::newRow("Intermediate 5 triskele") << Level::Intermediate << 5 << QSize(100, 97);
    QTest::newRow("Intermediate 6 knotwork") << Level::Intermediate << 6 << emblem;
    QTest::newRow("Intermediate 7 hexagram") << Level::Intermediate << 7 << emblem;
    QTest::newRow("Intermediate 8 pyramid") << Level::Intermediate << 8 << emblem;
    QTest::newRow("Expert 5 compass wheel") << Level::Expert << 5 << QSize(102, 97);
    QTest::newRow("Expert 6 knotwork") << Level::Expert << 6 << emblem;
    QTest::newRow("Expert 7 triquetra") << Level::Expert << 7 << QSize(102, 98);
    QTest::newRow("Expert 8 ring") << Level::Expert << 8 << emblem;
    QTest::newRow("Expert 9 hexagram") << Level::Expert << 9 << emblem;
    QTest::newRow("Expert 10 pyramid") << Level::Expert << 10 << emblem;
}

void TestSymbolPictures::everyPictureLoadsAtItsSize()
{
    QFETCH(Level, level);
    QFETCH(int, n);
    QFETCH(QSize, size);
    const QPixmap picture = m_pictures.forLevel(level).picture(n);
    QVERIFY2(!picture.isNull(), "the picture is missing from the program's resources");
    QCOMPARE(picture.size(), size);
}

void TestSymbolPictures::sharedPicturesAreTheSameImage_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("n");
    QTest::addColumn<Level>("sameAsLevel");
    QTest::addColumn<int>("sameAsN");

    for (int n = 1; n <= 4; ++n) {
        QTest::addRow("Intermediate %d is Beginner %d", n, n) << Level::Intermediate << n << Level::Beginner << n;
        QTest::addRow("Expert %d is Beginner %d", n, n) << Level::Expert << n << Level::Beginner << n;
    }
    QTest::newRow("Expert 6 is the knotwork") << Level::Expert << 6 << Level::Intermediate << 6;
    QTest::newRow("Expert 9 is the hexagram") << Level::Expert << 9 << Level::Intermediate << 7;
    QTest::newRow("Expert 10 is the pyramid") << Level::Expert << 10 << Level::Intermediate << 8;
}

void TestSymbolPictures::sharedPicturesAreTheSameImage()
{
    QFETCH(Level, level);
    QFETCH(int, n);
    QFETCH(Level, sameAsLevel);
    QFETCH(int, sameAsN);
    const QImage picture = comparable(m_pictures.forLevel(level).picture(n));
    const QImage original = comparable(m_pictures.forLevel(sameAsLevel).picture(sameAsN));
    QVERIFY(!picture.isNull());
    QCOMPARE(picture, original);
}

// Every symbol of a level, and the resting picture, must be told apart at a
// glance: a mix-up would show the user the wrong drawn symbol.
void TestSymbolPictures::distinctSymbolsCannotBeConfused()
{
    struct Entry
    {
        const char *name;
        Level level;
        int n;
    };
    const Entry distinct[] = {
        {"circle", Level::Beginner, 1},        {"plus", Level::Beginner, 2},
        {"square", Level::Beginner, 3},        {"star", Level::Beginner, 4},
        {"waves", Level::Beginner, 5},         {"resting cube", Level::Beginner, 6},
        {"triskele", Level::Intermediate, 5},  {"knotwork", Level::Intermediate, 6},
        {"hexagram", Level::Intermediate, 7},  {"pyramid", Level::Intermediate, 8},
        {"compass wheel", Level::Expert, 5},   {"triquetra", Level::Expert, 7},
        {"ring", Level::Expert, 8},
    };
    // A tenth of a step between black and white, spread over the picture.
    const double enough = 10.0;
    for (const Entry &a : distinct) {
        for (const Entry &b : distinct) {
            if (&a >= &b)
                continue;
            const QImage x = comparable(m_pictures.forLevel(a.level).picture(a.n));
            const QImage y = comparable(m_pictures.forLevel(b.level).picture(b.n));
            QVERIFY(!x.isNull() && !y.isNull());
            const double difference = visibleDifference(x, y);
            QVERIFY2(difference > enough, qPrintable(QStringLiteral("%1 and %2 look alike (difference %3)")
                                                         .arg(QLatin1String(a.name), QLatin1String(b.name))
                                                         .arg(difference)));
        }
    }
}

void TestSymbolPictures::beginnerSymbolsAreWhiteOnDarkGreen_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("circle") << 1;
    QTest::newRow("plus") << 2;
    QTest::newRow("square") << 3;
    QTest::newRow("star") << 4;
    QTest::newRow("waves") << 5;
}

void TestSymbolPictures::beginnerSymbolsAreWhiteOnDarkGreen()
{
    QFETCH(int, n);
    const QImage picture = comparable(m_pictures.beginner.picture(n));
    QVERIFY(!picture.isNull());
    const int last = picture.width() - 1;
    const int bottom = picture.height() - 1;
    for (const QPoint corner : {QPoint(1, 1), QPoint(last - 1, 1), QPoint(1, bottom - 1), QPoint(last - 1, bottom - 1)})
        QVERIFY2(isDarkGreen(picture.pixel(corner)), "the ground is not plain dark green");

    int white = 0;
    int symbolLeft = picture.width();
    int symbolRight = -1;
    int symbolTop = picture.height();
    int symbolBottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!isWhite(picture.pixel(x, y)))
                continue;
            ++white;
            symbolLeft = std::min(symbolLeft, x);
            symbolRight = std::max(symbolRight, x);
            symbolTop = std::min(symbolTop, y);
            symbolBottom = std::max(symbolBottom, y);
        }
    }
    // A symbol a person can see, standing clear of the picture's edges and
    // centred within a few pixels.
    QVERIFY2(white > 400, "too little white to make out a symbol");
    QVERIFY(symbolLeft > 4 && symbolTop > 4 && symbolRight < last - 4 && symbolBottom < bottom - 4);
    QVERIFY(std::abs(symbolLeft - (last - symbolRight)) <= 4);
    QVERIFY(std::abs(symbolTop - (bottom - symbolBottom)) <= 8);
}

void TestSymbolPictures::restingPictureIsTheBeginnersSixth()
{
    const QImage resting = comparable(m_pictures.restingPicture());
    QVERIFY(!resting.isNull());
    QCOMPARE(resting, comparable(m_pictures.beginner.picture(6)));
}

void TestSymbolPictures::lookupOutsideTheListHoldsNothing_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("count");
    // The Beginner list carries the resting picture after its five symbols.
    QTest::newRow("Beginner") << Level::Beginner << 6;
    QTest::newRow("Intermediate") << Level::Intermediate << 8;
    QTest::newRow("Expert") << Level::Expert << 10;
}

// The list holds exactly its level's pictures, numbered from 1.
void TestSymbolPictures::lookupOutsideTheListHoldsNothing()
{
    QFETCH(Level, level);
    QFETCH(int, count);
    const PictureList &list = m_pictures.forLevel(level);
    QCOMPARE(list.count(), count);
    QVERIFY(list.picture(0).isNull());
    QVERIFY(list.picture(-1).isNull());
    QVERIFY(list.picture(count + 1).isNull());
    QVERIFY(!list.picture(count).isNull());
}

void TestSymbolPictures::programIconHasTheWindowSize()
{
    const QPixmap picture = programIconPicture();
    QVERIFY2(!picture.isNull(), "the icon is missing from the program's resources");
    QCOMPARE(picture.size(), QSize(32, 32));

    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage drawn = icon.pixmap(QSize(32, 32)).toImage();
    QCOMPARE(drawn.size(), QSize(32, 32));
    // The bright green ground shows at the edge, the pale bubble in the middle.
    const QRgb edge = drawn.pixel(1, 22);
    QVERIFY(qGreen(edge) > 120 && qGreen(edge) > qRed(edge) + 40 && qGreen(edge) > qBlue(edge) + 60);
}

QTEST_MAIN(TestSymbolPictures)
#include "tst_symbol_pictures.moc"

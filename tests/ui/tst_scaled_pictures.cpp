#include "find_control.h"
#include "main_window_access.h"

#include "../assets/picture_resources.h"
#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QIcon>

// On a screen at twice the scale every picture is drawn from its @2x file,
// pixel for pixel, and lies on screen at the size it has at 1x; no symbol is
// decoded before its level is shown.
class tst_ScaledPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void noSymbolIsDecodedBeforeItsLevelIsShown();
    void choicesAndRestingPictureComeFromTheTwiceFiles_data();
    void choicesAndRestingPictureComeFromTheTwiceFiles();
    void drawnSymbolComesFromItsTwiceFile();
    void programIconComesFromTheTwiceFiles();
    void aboutBoxAndExitScreenIconsComeFromTheTwiceFile();

private:
    std::unique_ptr<MainWindowRun> m_run;
};

namespace {

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The @2x file whose pixels the picture has, or an empty string.
QString twiceFileOf(const QPixmap &picture)
{
    const QImage shown = comparable(picture.toImage());
    for (const QString &path : compiledPictures()) {
        const QString twice = scaledVariant(path, 2);
        if (comparable(QImage(twice)) == shown)
            return twice;
    }
    return {};
}

// A picture from its @2x file, laid out at its 1x size.
void verifyTwice(const QPixmap &picture, const QSize &onScreen, const char *what)
{
    QVERIFY2(!picture.isNull(), what);
    QVERIFY2(!twiceFileOf(picture).isEmpty(), qPrintable(QStringLiteral("%1 is not drawn from a @2x file").arg(QLatin1String(what))));
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.deviceIndependentSize().toSize(), onScreen);
}

} // namespace

void tst_ScaledPictures::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void tst_ScaledPictures::init()
{
    m_run = std::make_unique<MainWindowRun>();
    QVERIFY(m_run->show());
}

void tst_ScaledPictures::cleanup()
{
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ScaledPictures::noSymbolIsDecodedBeforeItsLevelIsShown()
{
    // Start-up builds no level panel, let alone decodes its pictures.
    for (Level level : AllLevels)
        QVERIFY(!m_run->main->levelPanel(level));
    m_run->main->showLevel(Level::Expert);
    for (int position = 0; position < symbolCount(Level::Expert); ++position)
        QVERIFY(!choiceOf(m_run->main, Level::Expert, position)->picture().isNull());
    QVERIFY(!m_run->main->levelPanel(Level::Beginner));
}

void tst_ScaledPictures::choicesAndRestingPictureComeFromTheTwiceFiles_data()
{
    QTest::addColumn<Level>("level");
    for (Level level : AllLevels)
        QTest::newRow(levelName(level)) << level;
}

void tst_ScaledPictures::choicesAndRestingPictureComeFromTheTwiceFiles()
{
    QFETCH(Level, level);
    m_run->main->showLevel(level);
    for (int position = 0; position < symbolCount(level); ++position) {
        PictureButton *choice = choiceOf(m_run->main, level, position);
        verifyTwice(choice->picture(), choice->size(), qPrintable(choice->objectName()));
    }
    PictureBox *result = resultOf(m_run->main, level);
    verifyTwice(result->pixmap(), result->size(), qPrintable(result->objectName()));
}

void tst_ScaledPictures::drawnSymbolComesFromItsTwiceFile()
{
    m_run->main->showLevel(Level::Intermediate);
    m_run->random.push(ScriptedRandom::forSymbol(7, symbolCount(Level::Intermediate)));
    QTest::mouseClick(choiceOf(m_run->main, Level::Intermediate, 0), Qt::LeftButton);
    QVERIFY(m_run->answerResult());
    PictureBox *result = resultOf(m_run->main, Level::Intermediate);
    QTRY_COMPARE(twiceFileOf(result->pixmap()), twiceFileOf(choiceOf(m_run->main, Level::Intermediate, 6)->picture()));
    verifyTwice(result->pixmap(), result->size(), "the drawn symbol");
}

void tst_ScaledPictures::programIconComesFromTheTwiceFiles()
{
    QTRY_VERIFY(!m_run->main->windowIcon().isNull());
    const QIcon icon = m_run->main->windowIcon();
    // The window system is handed each size the icon holds.
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(!sizes.isEmpty());
    for (const QSize &size : sizes) {
        const QPixmap picture = icon.pixmap(size);
        QVERIFY2(!twiceFileOf(picture).isEmpty(),
                 qPrintable(QStringLiteral("the %1 px icon is not from a @2x file").arg(size.width())));
    }
}

void tst_ScaledPictures::aboutBoxAndExitScreenIconsComeFromTheTwiceFile()
{
    AboutBox about(m_run->platform);
    verifyTwice(control<PictureBox>(&about, "iconBox")->pixmap(), QSize(32, 32), "the about box's icon");
    ExitScreen exit(m_run->platform, m_run->random, m_run->windows);
    verifyTwice(control<PictureBox>(&exit, "iconBox")->pixmap(), QSize(32, 32), "the exit screen's icon");
}

int main(int argc, char *argv[])
{
    // A screen at twice the scale, whatever the environment says.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    tst_ScaledPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaled_pictures.moc"

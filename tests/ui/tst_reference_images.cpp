#include "fakes/tallies.h"
#include "find_control.h"
#include "main_window_access.h"

#include "ui/exit_screen.h"
#include "ui/main_window.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(Level)

namespace {

// Up to this much in a colour channel a pixel is the same: rounding.
constexpr int sameTolerance = 2;
// Up to this much it is a shade off, as antialiasing in another build of the
// libraries may draw a glyph's edge; a small share of pixels may be so.
constexpr int shadeTolerance = 48;
constexpr double shadedShare = 0.001;
// No pixel may differ by more: the dot of an "i" turned into an "l" is three
// such pixels in the whole main window.

bool updatingReferences()
{
    return qEnvironmentVariableIntValue("CORVELLA_UPDATE_REFERENCE") == 1;
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Why the shown picture is not the reference, or an empty text. The diff
// marks pixels a shade off in orange and different ones in red, on a faded
// copy of the reference.
QString difference(const QImage &expected, const QImage &actual, QImage &diff)
{
    if (expected.size() != actual.size())
        return QStringLiteral("the window is %1x%2 pixels, the reference %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    diff = expected.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QPainter(&diff).fillRect(diff.rect(), QColor(255, 255, 255, 170));
    qsizetype shaded = 0;
    qsizetype different = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const int d = channelDifference(expected.pixel(x, y), actual.pixel(x, y));
            if (d > shadeTolerance) {
                ++different;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            } else if (d > sameTolerance) {
                ++shaded;
                diff.setPixel(x, y, qRgb(255, 160, 0));
            }
        }
    }
    const auto allowed = qsizetype(shadedShare * double(actual.width()) * actual.height());
    if (different == 0 && shaded <= allowed)
        return {};
    return QStringLiteral("%1 pixels differ, %2 more are a shade off (%3 of those allowed)")
        .arg(different).arg(shaded).arg(allowed);
}

// Compares a rendered window with tests/ui/reference/<name>.png; with
// CORVELLA_UPDATE_REFERENCE=1 it writes the picture there instead.
void verifyLooksLike(const QImage &shown, const QString &name)
{
    QVERIFY2(!shown.isNull(), qPrintable(name + QStringLiteral(": nothing was shown")));
    const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
    const QString reference = QStringLiteral(CORVELLA_REFERENCE_DIR "/%1.png").arg(name);
    if (updatingReferences()) {
        QVERIFY2(actual.save(reference), qPrintable(reference));
        qInfo("wrote %s", qPrintable(reference));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no reference picture %1").arg(reference)));
    QImage diff;
    const QString problem = difference(expected, actual, diff);
    if (problem.isEmpty())
        return;
    const QDir failures(QStringLiteral(CORVELLA_REFERENCE_FAILURES));
    failures.mkpath(QStringLiteral("."));
    const QString actualPath = failures.filePath(name + QStringLiteral("-actual.png"));
    const QString diffPath = failures.filePath(name + QStringLiteral("-diff.png"));
    actual.save(actualPath);
    if (!diff.isNull())
        diff.save(diffPath);
    QFAIL(qPrintable(QStringLiteral("%1 does not look like its reference: %2\n   reference: %3\n   actual:    %4\n"
                                    "   diff:      %5")
                         .arg(name, problem, reference, actualPath, diff.isNull() ? QStringLiteral("-") : diffPath)));
}

// Runs `open`, pictures the modal dialog it opens once that has the keys,
// and closes it with done(). A dialog that has not come within five seconds
// leaves the picture empty.
QImage pictureOfModal(const std::function<void()> &open)
{
    open();
    QDialog *dialog = nullptr;
    const bool ready = QTest::qWaitFor([&dialog] {
        dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        return dialog && dialog->isVisible() && QApplication::activeWindow() == dialog;
    }, 5000);
    const QImage picture = ready ? dialog->grab().toImage() : QImage();
    if (dialog)
        dialog->done(QDialog::Accepted);
    return picture;
}

// A dark desktop palette, as dark themes give it: the designed windows must
// not take its colours (white text on the pink surfaces), so they draw the
// same pictures under it.
QPalette darkDesktopPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    return dark;
}

const QString darkSuffix = QStringLiteral(" under a dark palette");
QPalette desktopPalette;

// Adds the row for a picture, and once more under the dark palette.
template <typename T>
void addPicture(const char *name, T value, bool dark = true)
{
    QTest::newRow(name) << value;
    if (dark)
        QTest::addRow("%s%s", name, qPrintable(darkSuffix)) << value;
}

// The picture the running row compares with; sets the row's palette.
QString pictureName()
{
    QString tag = QString::fromLatin1(QTest::currentDataTag());
    QApplication::setPalette(tag.endsWith(darkSuffix) ? darkDesktopPalette() : desktopPalette);
    return tag.remove(darkSuffix);
}

enum class State { Cover, FullBrandBanner, Beginner, Intermediate, Expert, WaitPanel, FileMenu, HelpMenu,
                   LevelChoice, Score, About, Exit, ExitFilled };

// The main window shown and active, a level chosen once.
struct ShownMainWindow : MainWindowRun
{
    QImage pictureOfMenu(QMenu *menu)
    {
        main->menuBar()->setActiveAction(menu->menuAction());
        if (!QTest::qWaitForWindowExposed(menu))
            return {};
        const QImage picture = menu->grab().toImage();
        menu->close();
        return picture;
    }
};

} // namespace

Q_DECLARE_METATYPE(State)

// Every window state as the user sees it (offscreen, with DejaVu Sans only),
// compared with its picture in tests/ui/reference/; the designed windows
// also under a dark desktop palette, which must not change them. When a look changes on
// purpose, tools/update-reference-images.sh draws the pictures anew; review
// them before committing.
class tst_ReferenceImages : public QObject
{
    Q_OBJECT

public:
    // Before the application exists: the font set is read once.
    static void initMain() { qputenv("FONTCONFIG_FILE", CORVELLA_REFERENCE_DIR "/fonts.conf"); }

private slots:
    void initTestCase();
    void cleanup();
    void windowLooksAsDesigned_data();
    void windowLooksAsDesigned();
    void guessShowsTheDrawnSymbolAndItsResult_data();
    void guessShowsTheDrawnSymbolAndItsResult();
};

void tst_ReferenceImages::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // A caret that blinks would be caught in either phase.
    QApplication::setCursorFlashTime(0);
    desktopPalette = QApplication::palette();
    const QStringList families = QFontDatabase::families();
    QVERIFY2(families.contains(QStringLiteral("DejaVu Sans")) && !families.contains(QStringLiteral("Verdana")),
             qPrintable(families.join(u',')));
}

void tst_ReferenceImages::cleanup()
{
    QApplication::setPalette(desktopPalette);
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ReferenceImages::windowLooksAsDesigned_data()
{
    QTest::addColumn<State>("state");
    addPicture("main-window-cover", State::Cover);
    addPicture("main-window-cover-full-brand-banner", State::FullBrandBanner);
    addPicture("main-window-beginner", State::Beginner);
    addPicture("main-window-intermediate", State::Intermediate);
    addPicture("main-window-expert", State::Expert);
    addPicture("main-window-wait-panel", State::WaitPanel);
    // The menus are the desktop's own, in its colours.
    addPicture("main-window-file-menu", State::FileMenu, false);
    addPicture("main-window-help-menu", State::HelpMenu, false);
    addPicture("level-dialog-choice", State::LevelChoice);
    addPicture("level-dialog-score", State::Score);
    addPicture("about-box", State::About);
    addPicture("exit-screen", State::Exit);
    addPicture("exit-screen-filled", State::ExitFilled);
}

void tst_ReferenceImages::windowLooksAsDesigned()
{
    QFETCH(State, state);
    const QString name = pictureName();
    if (state == State::Exit || state == State::ExitFilled) {
        TestRun run;
        run.random.push(0.6f); // the third promotional message
        const auto screen = std::make_unique<ExitScreen>(run.platform, run.random, run.windows);
        if (state == State::ExitFilled) {
            control<QLineEdit>(screen.get(), "yourNameBox")->setText(QStringLiteral("Ann Lee"));
            control<QLineEdit>(screen.get(), "yourEmailBox")->setText(QStringLiteral("ann@example.org"));
            control<QLineEdit>(screen.get(), "friendNameBox")->setText(QStringLiteral("Bo Chan"));
            control<QLineEdit>(screen.get(), "friendEmailBox")->setText(QStringLiteral("bo@example.net"));
        }
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        return verifyLooksLike(screen->grab().toImage(), name);
    }
    ShownMainWindow run;
    QVERIFY(run.show());
    MainWindow &main = *run.main;
    switch (state) {
    case State::FullBrandBanner:
        main.showBanner(2);
        break;
    // A level comes forward through the level choice, as the user brings it,
    // which also decides where the keyboard focus is.
    case State::Beginner:
    case State::WaitPanel:
        QVERIFY(run.chooseLevel(Level::Beginner));
        break;
    case State::Intermediate:
        QVERIFY(run.chooseLevel(Level::Intermediate));
        break;
    case State::Expert:
        QVERIFY(run.chooseLevel(Level::Expert));
        break;
    case State::FileMenu:
        return verifyLooksLike(run.pictureOfMenu(control<QMenu>(&main, "fileMenu")), name);
    case State::HelpMenu:
        return verifyLooksLike(run.pictureOfMenu(control<QMenu>(&main, "helpMenu")), name);
    case State::LevelChoice:
    case State::Score:
        recordTally(run.test, Level::Beginner, 1, 3);
        recordTally(run.test, Level::Intermediate, 4, 12);
        recordTally(run.test, Level::Expert, 7, 250);
        return verifyLooksLike(pictureOfModal([&main, state] {
                                   if (state == State::Score)
                                       main.showScore();
                                   else
                                       main.chooseLevel();
                               }),
                               name);
    case State::About:
        return verifyLooksLike(pictureOfModal([&main] { main.showAbout(); }), name);
    default:
        break;
    }
    if (state == State::WaitPanel) {
        // As during the pause after a click: on top of the level's panel.
        control<QFrame>(&main, "waitPanel")->show();
        control<QFrame>(&main, "waitPanel")->raise();
    }
    verifyLooksLike(main.grab().toImage(), name);
}

// The hexagram guessed at Expert twice: drawn the first time, the ring the
// second. The main window keeps the last drawn symbol in its result picture.
void tst_ReferenceImages::guessShowsTheDrawnSymbolAndItsResult_data()
{
    QTest::addColumn<QString>("suffix");
    addPicture("result-dialog", QString());
}

void tst_ReferenceImages::guessShowsTheDrawnSymbolAndItsResult()
{
    pictureName();
    ShownMainWindow run;
    QVERIFY(run.show());
    QVERIFY(run.chooseLevel(Level::Expert));
    run.random.push(ScriptedRandom::forSymbol(9, 10));
    const QImage right = pictureOfModal([&run] { run.main->guess(Level::Expert, 8); });
    QVERIFY(run.reactivate());
    run.random.push(ScriptedRandom::forSymbol(8, 10));
    const QImage wrong = pictureOfModal([&run] { run.main->guess(Level::Expert, 8); });
    QVERIFY(run.reactivate());
    verifyLooksLike(right, QStringLiteral("result-dialog-right"));
    verifyLooksLike(wrong, QStringLiteral("result-dialog-wrong"));
    verifyLooksLike(run.main->grab().toImage(), QStringLiteral("main-window-expert-after-a-draw"));
}

QTEST_MAIN(tst_ReferenceImages)
#include "tst_reference_images.moc"

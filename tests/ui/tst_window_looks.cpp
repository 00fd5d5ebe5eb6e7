#include "fakes/test_run.h"

#include "services/app_info.h"
#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/level_dialog.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <iterator>
#include <memory>

namespace {

enum class Window { Main, Level, ResultRight, ResultWrong, About, Exit };

// The window in its design state, shown; the main window with its wait panel
// up, so that every caption is on the screen.
std::unique_ptr<QWidget> showWindow(Window kind, TestRun &run)
{
    std::unique_ptr<QWidget> window;
    switch (kind) {
    case Window::Main: {
        run.test.setLevelChosen(true);
        auto main = std::make_unique<MainWindow>(run.context);
        main->ui().waitPanel->show();
        window = std::move(main);
        break;
    }
    case Window::Level:
        window = std::make_unique<LevelDialog>(run.context);
        break;
    case Window::ResultRight:
    case Window::ResultWrong: {
        auto result = std::make_unique<ResultDialog>(run.context);
        result->setMessage(kind == Window::ResultRight ? Outcome::Right : Outcome::Wrong);
        window = std::move(result);
        break;
    }
    case Window::About:
        window = std::make_unique<AboutBox>(run.context);
        break;
    case Window::Exit:
        window = std::make_unique<ExitScreen>(run.context);
        break;
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

QString captionOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(control))
        return box->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

// The part of the control that its containers leave on the screen.
QRect seenPart(const QWidget *control)
{
    QRect seen = control->rect();
    for (const QWidget *outer = control->parentWidget(); outer; outer = outer->parentWidget()) {
        seen &= QRect(control->mapFrom(outer, QPoint(0, 0)), outer->size());
        if (outer->isWindow())
            break;
    }
    return seen;
}

// Why the control's caption is cut off in the part of it the user sees, or
// an empty text when it fits.
QString overflow(const QWidget *control)
{
    const QString caption = captionOf(control);
    if (caption.isEmpty())
        return {};
    QSize room = seenPart(control).size();
    const QFontMetrics metrics(control->font());
    QSize needed;
    if (qobject_cast<const QPushButton *>(control)) {
        // The caption as drawn: "&x" marks an access key; a bevel on each side.
        QString shown = caption;
        shown.remove(QRegularExpression(QStringLiteral("&(?=.)")));
        needed = QSize(metrics.horizontalAdvance(shown) + 8, metrics.height());
    } else if (auto *option = qobject_cast<const QRadioButton *>(control)) {
        needed = option->sizeHint();
    } else if (qobject_cast<const QGroupBox *>(control)) {
        needed = QSize(metrics.horizontalAdvance(caption) + 16, metrics.height());
    } else if (qobject_cast<const QLineEdit *>(control)) {
        needed = QSize(metrics.horizontalAdvance(caption) + 4, metrics.height());
    } else {
        // Label-like text laid out in the control's width. The last line's
        // descent, blank below most letters, may lose one pixel.
        auto *label = qobject_cast<const QLabel *>(control);
        const bool wraps = !label || label->wordWrap();
        const QRect inside = control->contentsRect();
        room = (seenPart(control) & inside).size();
        needed = metrics.boundingRect(QRect(0, 0, inside.width(), 100000), wraps ? Qt::TextWordWrap : 0, caption).size();
        needed.rheight() -= 1;
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2x%3 px, the user sees %4x%5")
        .arg(control->objectName()).arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
}

enum class Looks { Pink, Black, Grey, Navy, White };
constexpr Looks AllLooks[] = {Looks::Pink, Looks::Black, Looks::Grey, Looks::Navy, Looks::White};
constexpr const char *LooksNames[] = {"pink", "black", "grey", "navy", "white"};

// What the eye calls the colour, not its exact value.
bool looks(QRgb c, Looks expected)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    switch (expected) {
    case Looks::Pink:
        return r > 200 && b > 200 && g < r - 50;
    case Looks::Black:
        return r < 40 && g < 40 && b < 40;
    case Looks::Grey:
        return std::max({r, g, b}) - std::min({r, g, b}) < 16 && r > 80 && r < 180;
    case Looks::Navy:
        return b > 90 && r < 50 && g < 50;
    case Looks::White:
        return r > 235 && g > 235 && b > 235;
    }
    return false;
}

// How most of the control's place in the shown window looks: shading and
// text take their share, the surface the largest one.
QString mostLooks(QWidget *window, const QWidget *control, Looks expected)
{
    const QImage shown = window->grab().toImage();
    const QRect place = QRect(control->mapTo(window, QPoint(0, 0)), control->size()) & shown.rect();
    int counts[std::size(AllLooks)] = {};
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            for (Looks candidate : AllLooks)
                counts[int(candidate)] += looks(shown.pixel(x, y), candidate) ? 1 : 0;
        }
    }
    for (Looks other : AllLooks) {
        if (other != expected && counts[int(other)] >= counts[int(expected)])
            return QStringLiteral("%1 pixels look %2, %3 look %4")
                .arg(counts[int(other)]).arg(QLatin1String(LooksNames[int(other)]))
                .arg(counts[int(expected)]).arg(QLatin1String(LooksNames[int(expected)]));
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Looks)

// What a person notices at a glance in every window: a caption cut off, a
// window that can be resized or opens off-centre, a designed surface in the
// wrong colour, a link without the hand pointer. The reference pictures
// check the rest of the look.
class tst_WindowLooks : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyCaptionFitsWhereItIsSeen_data();
    void everyCaptionFitsWhereItIsSeen();
    void windowHasAFixedSizeAndOpensCentred_data();
    void windowHasAFixedSizeAndOpensCentred();
    void designedSurfaceHasItsColour_data();
    void designedSurfaceHasItsColour();
    void linksAndSymbolPicturesShowTheHand();
};

void tst_WindowLooks::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_WindowLooks::everyCaptionFitsWhereItIsSeen_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<float>("draw"); // the exit screen's pick of its promotional message
    QTest::newRow("main window") << Window::Main << 0.0f;
    QTest::newRow("level dialog") << Window::Level << 0.0f;
    QTest::newRow("result dialog, right") << Window::ResultRight << 0.0f;
    QTest::newRow("result dialog, wrong") << Window::ResultWrong << 0.0f;
    QTest::newRow("about box") << Window::About << 0.0f;
    for (int message = 0; message < 4; ++message)
        QTest::addRow("exit screen, message %d", message) << Window::Exit << message / 4.0f;
}

void tst_WindowLooks::everyCaptionFitsWhereItIsSeen()
{
    QFETCH(Window, window);
    QFETCH(float, draw);
    TestRun run;
    run.random.push(draw);
    const std::unique_ptr<QWidget> shown = showWindow(window, run);
    QVERIFY(shown);
    QStringList cut;
    for (const QWidget *control : shown->findChildren<QWidget *>()) {
        if (control->isVisible() && !control->isWindow())
            cut << overflow(control);
    }
    cut.removeAll(QString());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void tst_WindowLooks::windowHasAFixedSizeAndOpensCentred_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("icon"); // shows the program icon
    QTest::newRow("main window") << Window::Main << true;
    QTest::newRow("level dialog") << Window::Level << false;
    QTest::newRow("result dialog") << Window::ResultRight << false;
    QTest::newRow("about box") << Window::About << true;
    QTest::newRow("exit screen") << Window::Exit << true;
}

void tst_WindowLooks::windowHasAFixedSizeAndOpensCentred()
{
    QFETCH(Window, window);
    QFETCH(bool, icon);
    TestRun run;
    const std::unique_ptr<QWidget> shown = showWindow(window, run);
    QVERIFY(shown);
    const QSize size = shown->size();
    QCOMPARE(shown->minimumSize(), size);
    QCOMPARE(shown->maximumSize(), size);
    shown->resize(size + QSize(120, 80));
    QCOMPARE(shown->size(), size);
    QVERIFY(!shown->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!shown->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // A title bar may move the frame by its height.
    const QPoint offset = shown->frameGeometry().center() - shown->screen()->availableGeometry().center();
    QVERIFY2(std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 40,
             qPrintable(QStringLiteral("%1 px off the centre").arg(offset.manhattanLength())));
    // Every title bar names the program and this version.
    if (!shown->windowFlags().testFlag(Qt::FramelessWindowHint))
        QCOMPARE(shown->windowTitle(), AppInfo::title());
    if (icon)
        QTRY_VERIFY(!shown->windowIcon().isNull()); // set once the window is on screen
}

void tst_WindowLooks::designedSurfaceHasItsColour_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control"); // empty: the window itself
    QTest::addColumn<Looks>("looks");
    QTest::newRow("main window: cover") << Window::Main << "coverPanel" << Looks::Pink;
    QTest::newRow("main window: banner") << Window::Main << "forumBanner" << Looks::Black;
    QTest::newRow("main window: wait message") << Window::Main << "waitMessage" << Looks::Pink;
    QTest::newRow("main window: Back") << Window::Main << "backButton" << Looks::Grey;
    QTest::newRow("level dialog: level choice") << Window::Level << "levelPanel" << Looks::Pink;
    QTest::newRow("level dialog: OK") << Window::Level << "okButton" << Looks::Grey;
    QTest::newRow("result dialog") << Window::ResultWrong << "" << Looks::Pink;
    QTest::newRow("about box") << Window::About << "" << Looks::Pink;
    QTest::newRow("exit screen") << Window::Exit << "" << Looks::White;
    QTest::newRow("exit screen: other programs") << Window::Exit << "downloadFrame" << Looks::Navy;
    QTest::newRow("exit screen: refer a friend") << Window::Exit << "referFrame" << Looks::Navy;
}

void tst_WindowLooks::designedSurfaceHasItsColour()
{
    QFETCH(Window, window);
    QFETCH(QString, control);
    QFETCH(Looks, looks);
    TestRun run;
    const std::unique_ptr<QWidget> shown = showWindow(window, run);
    QVERIFY(shown);
    const QWidget *surface = control.isEmpty() ? shown.get() : shown->findChild<QWidget *>(control);
    QVERIFY2(surface, qPrintable(control));
    const QString otherwise = mostLooks(shown.get(), surface, looks);
    QVERIFY2(otherwise.isEmpty(), qPrintable(otherwise));
}

void tst_WindowLooks::linksAndSymbolPicturesShowTheHand()
{
    for (Window window : {Window::Main, Window::Level, Window::About, Window::Exit}) {
        TestRun run;
        const std::unique_ptr<QWidget> shown = showWindow(window, run);
        QVERIFY(shown);
        int links = 0;
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            if (face && face->role() == QAccessible::Link) {
                ++links;
                QVERIFY2(control->cursor().shape() == Qt::PointingHandCursor, qPrintable(control->objectName()));
            }
        }
        QVERIFY(links > 0);
        // The exit screen's visit button opens the home page, as a link does.
        if (auto *exit = qobject_cast<ExitScreen *>(shown.get()))
            QCOMPARE(exit->ui().visitSiteButton->cursor().shape(), Qt::PointingHandCursor);
        if (auto *main = qobject_cast<MainWindow *>(shown.get())) {
            for (Level level : AllLevels) {
                for (int position = 0; position < symbolCount(level); ++position)
                    QCOMPARE(main->ui().levelChoice(level, position)->cursor().shape(), Qt::PointingHandCursor);
                // A result picture only shows; it can't be clicked.
                QVERIFY(main->ui().levelResult(level)->cursor().shape() != Qt::PointingHandCursor);
            }
        }
    }
}

QTEST_MAIN(tst_WindowLooks)
#include "tst_window_looks.moc"

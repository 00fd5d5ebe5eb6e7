#include "fakes/test_run.h"
#include "find_control.h"

#include "services/app_info.h"
#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/level_dialog.h"
#include "main_window_access.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

enum class Window { Main, Level, Result, About, Exit };

// The window in its design state, shown.
std::unique_ptr<QWidget> showWindow(Window kind, TestRun &run)
{
    std::unique_ptr<QWidget> window;
    switch (kind) {
    case Window::Main:
        run.test.setLevelChosen(true);
        window = std::make_unique<MainWindow>(run.context);
        break;
    case Window::Level:
        window = std::make_unique<LevelDialog>(run.platform, run.test);
        break;
    case Window::Result: {
        auto result = std::make_unique<ResultDialog>();
        result->setMessage(Outcome::Right);
        window = std::move(result);
        break;
    }
    case Window::About:
        window = std::make_unique<AboutBox>(run.platform);
        break;
    case Window::Exit:
        window = std::make_unique<ExitScreen>(run.platform, run.random, run.windows);
        break;
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

} // namespace

Q_DECLARE_METATYPE(Window)

// What a person notices in every window that no picture shows: a window that
// can be resized or opens off-centre, a title without the program's name, a
// link without the hand pointer. The reference pictures check the look.
class tst_WindowLooks : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void windowIsFixedCentredAndShowsTheHandOverLinks_data();
    void windowIsFixedCentredAndShowsTheHandOverLinks();
};

void tst_WindowLooks::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_WindowLooks::windowIsFixedCentredAndShowsTheHandOverLinks_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("icon"); // shows the program icon
    QTest::addColumn<bool>("links");
    QTest::newRow("main window") << Window::Main << true << true;
    QTest::newRow("level dialog") << Window::Level << false << true;
    QTest::newRow("result dialog") << Window::Result << false << false;
    QTest::newRow("about box") << Window::About << true << true;
    QTest::newRow("exit screen") << Window::Exit << true << true;
}

void tst_WindowLooks::windowIsFixedCentredAndShowsTheHandOverLinks()
{
    QFETCH(Window, window);
    QFETCH(bool, icon);
    QFETCH(bool, links);
    TestRun run;
    const std::unique_ptr<QWidget> shown = showWindow(window, run);
    QVERIFY(shown);
    const QSize size = shown->size();
    shown->resize(size + QSize(120, 80));
    QCOMPARE(shown->size(), size);
    QCOMPARE(shown->minimumSize(), size);
    QCOMPARE(shown->maximumSize(), size);
    QVERIFY(!shown->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!shown->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // A title bar may move the frame by its height.
    const QPoint offset = shown->frameGeometry().center() - shown->screen()->availableGeometry().center();
    QVERIFY2(std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 40,
             qPrintable(QStringLiteral("%1 px off the centre").arg(offset.manhattanLength())));
    if (!shown->windowFlags().testFlag(Qt::FramelessWindowHint))
        QCOMPARE(shown->windowTitle(), AppInfo::title());
    if (icon)
        QTRY_VERIFY(!shown->windowIcon().isNull()); // set once the window is on screen

    int linksSeen = 0;
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        if (face && face->role() == QAccessible::Link) {
            ++linksSeen;
            QVERIFY2(control->cursor().shape() == Qt::PointingHandCursor, qPrintable(control->objectName()));
        }
    }
    QCOMPARE(linksSeen > 0, links);
    // The exit screen's visit button opens the home page, as a link does.
    if (auto *exit = qobject_cast<ExitScreen *>(shown.get()))
        QCOMPARE(control<QPushButton>(exit, "visitSiteButton")->cursor().shape(), Qt::PointingHandCursor);
    if (auto *main = qobject_cast<MainWindow *>(shown.get())) {
        for (Level level : AllLevels) {
            main->showLevel(level);
            for (int position = 0; position < symbolCount(level); ++position)
                QCOMPARE(choiceOf(main, level, position)->cursor().shape(), Qt::PointingHandCursor);
            // A result picture only shows; it can't be clicked.
            QVERIFY(resultOf(main, level)->cursor().shape() != Qt::PointingHandCursor);
        }
    }
}

QTEST_MAIN(tst_WindowLooks)
#include "tst_window_looks.moc"

#include "app/startup.h"
#include "app/translation.h"
#include "services/app_context.h"
#include "services/app_info.h"
#include "symboltest/random_source.h"
#include "symboltest/symbol_test.h"
#include "ui/qt_platform.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppInfo::name());
    QApplication::setApplicationVersion(AppInfo::version());
    // Ties the windows to the desktop entry, also on Wayland.
    QGuiApplication::setDesktopFileName(AppInfo::desktopId());
    // The program ends only through its shutdown, never because its last
    // window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any window exists, so that every window is built in German.
    installTranslation(application, QLocale::system());

    SymbolTest test;
    ClockSeededRandom random;
    QtPlatform platform;
    WindowRegistry windows;
    AppContext context{test, random, platform, windows};

    // Every window goes before what it uses: a window still open when the
    // loop ends holds the context, and through it the history, which must
    // outlive it. The context is destroyed before the registry declared
    // ahead of it, so the registry is emptied here rather than left to its
    // own destruction.
    const auto closeWindows = [&windows] {
        for (QList<QWidget *> open = windows.openWindows(); !open.isEmpty(); open = windows.openWindows())
            delete open.first();
    };
    startApplication(context);
    // A refused second instance has ended before there was a loop to end.
    if (context.ended) {
        closeWindows();
        return 0;
    }
    // Ends through the shutdown; every window it closed has been deleted by
    // the time exec() returns.
    const int exitCode = QApplication::exec();
    closeWindows();
    return exitCode;
}

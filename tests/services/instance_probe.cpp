// Runs the real platform's single-instance check and settings store in a
// process of its own, for the tests that need more than one process.
//
//   instance_probe hold          take the lock, print "locked" (or "already
//                                running", exit 3), then hold it until stdin
//                                closes
//   instance_probe exit          take the lock, then end as the program does:
//                                quit from the event loop and return from main
//   instance_probe write VALUE   store VALUE under Settings/Duration, print
//                                "written" or "failed", end the same way
//   instance_probe read          print the stored Settings/Duration

#include "headless_platform.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// The program's own way to end: the platform quits the running event loop,
// and main() returns what exec() returns.
int endThroughTheEventLoop(DesktopPlatform &platform)
{
    QTimer::singleShot(0, QCoreApplication::instance(), [&platform] { platform.quit(0); });
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    HeadlessPlatform platform;

    if (mode == QLatin1String("hold") || mode == QLatin1String("exit")) {
        if (platform.otherInstanceRunning()) {
            std::cout << "already running" << std::endl;
            return 3;
        }
        std::cout << "locked" << std::endl;
        if (mode == QLatin1String("exit"))
            return endThroughTheEventLoop(platform);
        std::string line;
        while (std::getline(std::cin, line)) {
        }
        return 0;
    }
    if (mode == QLatin1String("write")) {
        const bool written = platform.writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"),
                                                   arguments.value(2));
        std::cout << (written ? "written" : "failed") << std::endl;
        return endThroughTheEventLoop(platform);
    }
    if (mode == QLatin1String("read")) {
        std::cout << platform.readSetting(QStringLiteral("Settings"), QStringLiteral("Duration")).toStdString()
                  << std::endl;
        return 0;
    }
    std::cerr << "usage: instance_probe hold|exit|write VALUE|read" << std::endl;
    return 2;
}

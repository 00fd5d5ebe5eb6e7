#include "app/startup.h"

#include "services/app_context.h"
#include "services/banner_number.h"
#include "services/guess_history.h"
#include "services/platform.h"
#include "services/shutdown.h"
#include "services/update_reminder.h"
#include "symboltest/random_source.h"
#include "ui/exit_screen.h"
#include "ui/main_window.h"

#include <QCoreApplication>

void startApplication(AppContext &context)
{
    // A second instance is refused and ends; the first one is left alone.
    if (context.platform.otherInstanceRunning()) {
        context.platform.showMessage(QCoreApplication::translate("Startup", "Application is already running"),
                                     Platform::Buttons::Ok, Platform::Icon::Information);
        shutdownApplication(context);
        return;
    }

    context.random.seedFromClock();
    runUpdateReminder(context.platform);

    auto *main = new MainWindow(context);
    // Closing the exit screen, the last window, ends the program.
    QObject::connect(main, &MainWindow::exitScreenOpened, main, [&context](ExitScreen *screen) {
        QObject::connect(screen, &ExitScreen::shutdownRequested, screen, [&context] { shutdownApplication(context); });
    });
    // The history opens once the main window is on screen: the file's
    // integrity check reads every page, and start-up must not wait for the
    // disk. No guess can be made before the level dialog has been answered.
    QObject::connect(main, &MainWindow::shownOnScreen, main, [&context] {
        context.history = std::make_shared<GuessHistory>(GuessHistory::defaultFilePath());
    });
    main->show();

    context.bannerNumber = bannerNumber(context.random.next());
    main->showBanner(context.bannerNumber);
}

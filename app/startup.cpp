#include "app/startup.h"

#include "services/app_context.h"
#include "services/banner_number.h"
#include "services/ignoring_failures.h"
#include "services/platform.h"
#include "services/shutdown.h"
#include "services/update_reminder.h"
#include "symboltest/random_source.h"
#include "ui/exit_screen.h"
#include "ui/main_window.h"

void startApplication(AppContext &context)
{
    // A second instance is refused and ends; the first one is left alone.
    try {
        if (context.platform.otherInstanceRunning()) {
            context.platform.showMessage(QStringLiteral("Application is already running"),
                                         Platform::Buttons::Ok, Platform::Icon::Information,
                                         QStringLiteral("Corvella"));
            shutdownApplication(context);
            return;
        }
    } catch (...) {
    }

    // Each step that fails is skipped; the main window still comes up.
    IgnoringFailures([&] { context.random.seedFromClock(); });
    IgnoringFailures([&] { runUpdateReminder(context.platform); });

    MainWindow *main = nullptr;
    IgnoringFailures([&] {
        main = new MainWindow(context);
        // Closing the exit screen, the last window, ends the program.
        QObject::connect(main, &MainWindow::exitScreenOpened, [&context](ExitScreen *screen) {
            QObject::connect(screen, &ExitScreen::shutdownRequested, screen,
                             [&context] { shutdownApplication(context); });
        });
        main->show();
    });

    IgnoringFailures([&] {
        if (main) {
            context.bannerNumber = bannerNumber(context.random.next());
            main->showBanner(context.bannerNumber);
        }
    });
}

#include "app/startup.h"

#include "services/app_context.h"
#include "services/banner_number.h"
#include "services/history_keeper.h"
#include "services/platform.h"
#include "services/update_reminder.h"
#include "symboltest/random_source.h"
#include "ui/exit_screen.h"
#include "ui/main_window.h"
#include "ui/shutdown.h"
#include "ui/storage_notice.h"

#include <QCoreApplication>

void startApplication(AppContext &context)
{
    // A second instance is refused and ends; the first one is left alone.
    if (context.platform.otherInstanceRunning()) {
        context.platform.askBeforeAnyWindow(QCoreApplication::translate("Startup", "Application is already running"),
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
        // Guesses that could not be written are said before the goodbye.
        if (const QString unsaved = unsavedGuessesNotice(context.history.get()); !unsaved.isEmpty())
            screen->showAfterMessage(unsaved);
    });
    // The history opens once the main window is on screen, and on a thread
    // of its own: the file's integrity check reads every page, and neither
    // start-up nor the test may wait for the disk.
    QObject::connect(main, &MainWindow::shownOnScreen, main, [&context, main] {
        auto history = std::make_shared<HistoryKeeper>(GuessHistory::defaultFilePath());
        new StorageNotice(*history, main);
        context.history = std::move(history);
    });
    main->show();

    context.bannerNumber = bannerNumber(context.random.next());
    main->showBanner(context.bannerNumber);
}

#include "app/startup.h"

#include "app/app_context.h"
#include "app/banner_pick.h"
#include "app/ignoring_failures.h"
#include "app/platform/platform.h"
#include "app/shutdown.h"
#include "app/update_reminder.h"
#include "symboltest/random_source.h"
#include "ui/main_window.h"
#include "ui/widgets/link_label.h"

void StartApplication(AppContext &context)
{
    // A second instance is refused and ends; the first one is left alone.
    try {
        if (context.platform.otherInstanceRunning()) {
            context.platform.showMessage(QStringLiteral("Application is already running"),
                                         Platform::Buttons::Ok, Platform::Icon::Information,
                                         QStringLiteral("Corvella"));
            ShutdownApplication(context);
            return;
        }
    } catch (...) {
    }

    // Each step that fails is skipped; the main window still comes up.
    IgnoringFailures([&] { context.random.SeedFromClock(); });
    IgnoringFailures([&] { RunUpdateReminder(context.platform); });

    frmMain *main = nullptr;
    IgnoringFailures([&] {
        main = new frmMain(context);
        main->show();
    });

    IgnoringFailures([&] {
        if (main)
            context.intCoBrandRandomNumber =
                CoBrand_Randomize(context.random, main->ui().lblCobrand, main->ui().lblFullBrand);
    });
}

#include "ui/shutdown.h"

#include "services/app_context.h"
#include "services/platform.h"
#include "ui/window_registry.h"

#include <QVariant>
#include <QWidget>

namespace {

// Marks a window that the shutdown has closed (or is closing), so that a
// shutdown entered again from a closing step does not run a closing step
// twice: a closed window is no longer loaded, even before Qt deletes it.
const char closedByShutdown[] = "corvellaClosedByShutdown";

} // namespace

void shutdownApplication(AppContext &context)
{
    const QList<QWidget *> windows = context.windows.openWindows();
    for (QWidget *window : windows) {
        // A shutdown entered again from a closing step has already ended.
        if (context.ended)
            return;
        // A closing step may have destroyed a later window of the list.
        if (!context.windows.openWindows().contains(window))
            continue;
        if (window->property(closedByShutdown).toBool())
            continue;
        window->setProperty(closedByShutdown, true);
        window->close();
    }
    if (context.ended)
        return;
    context.ended = true;
    context.platform.quit(0);
}

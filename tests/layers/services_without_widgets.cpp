// Must compile: what the services may use, so that a failure of the other
// checks means the include itself, not a broken check.
#include "services/app_context.h"
#include "services/desktop_platform.h"
#include "services/history_keeper.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QSqlDatabase>

#include "ui/input_drain.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

namespace {

bool isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // The close box, as asked for by the window manager.
        return event->spontaneous();
    default:
        return false;
    }
}

class InputSwallower final : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override { return isUserInput(event); }
};

} // namespace

void dropInputQueuedDuringPause()
{
    InputSwallower swallower;
    QCoreApplication::instance()->installEventFilter(&swallower);
    // A round trip to the window system first, so that everything the user
    // did before this moment is in Qt's queue; then empty the queue.
    QGuiApplication::sync();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

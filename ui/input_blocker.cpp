#include "ui/input_blocker.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // The close box, as asked for by the window manager; a close that
        // the program itself makes is not the user's.
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

InputBlocker::InputBlocker(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject *, QEvent *event)
{
    if (!isUserInput(event))
        return false;
    // A refused close leaves the window open in the window manager's eyes too.
    if (event->type() == QEvent::Close)
        event->ignore();
    return true;
}

#include "ui/widgets/bare_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

bool isEnterKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

// The same key event with Space, the key QAbstractButton presses with.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), event->isAutoRepeat());
}

} // namespace

BareButton::BareButton(QWidget *parent)
    : QAbstractButton(parent)
{
    // On the colours of a label, not those of a button.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

// Enter goes down and comes up as Space does: the click comes when the key
// comes up on this button, and a held key repeats nothing.
void BareButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnterKey(event)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    QAbstractButton::keyPressEvent(&space);
    event->setAccepted(space.isAccepted());
}

void BareButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isEnterKey(event)) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    QAbstractButton::keyReleaseEvent(&space);
    event->setAccepted(space.isAccepted());
}

// A screen reader presses a button with a delayed click (animateClick()),
// which ends in this timer event; Qt asks only whether the button is
// enabled. The mouse and the keys cannot reach a hidden button, nor one in
// a window behind a modal dialog, so such a press is refused as well: the
// click happens without its signals.
void BareButton::timerEvent(QTimerEvent *event)
{
    const QSignalBlocker refused(takesPresses() ? nullptr : this);
    QAbstractButton::timerEvent(event);
}

bool BareButton::takesPresses() const
{
    const QWidget *modal = QApplication::activeModalWidget();
    return isVisible() && (!modal || modal == window());
}

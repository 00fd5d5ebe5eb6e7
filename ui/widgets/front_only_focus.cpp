#include "ui/widgets/front_only_focus.h"

#include <QEvent>
#include <QVariant>

namespace {

// Where a withheld control keeps the focus policy it gets back in front.
constexpr char withheldPolicy[] = "corvellaWithheldFocusPolicy";

QList<QWidget *> selfAndDescendants(QWidget *widget)
{
    QList<QWidget *> widgets = widget->findChildren<QWidget *>();
    widgets.prepend(widget);
    return widgets;
}

void withholdFocus(QWidget *covered)
{
    for (QWidget *widget : selfAndDescendants(covered)) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->property(withheldPolicy).isValid())
            continue;
        widget->setProperty(withheldPolicy, int(widget->focusPolicy()));
        widget->setFocusPolicy(Qt::NoFocus);
    }
    QWidget *focused = covered->window()->focusWidget();
    if (focused && (focused == covered || covered->isAncestorOf(focused)))
        focused->clearFocus();
}

void giveBackFocus(QWidget *front)
{
    for (QWidget *widget : selfAndDescendants(front)) {
        const QVariant policy = widget->property(withheldPolicy);
        if (!policy.isValid())
            continue;
        widget->setFocusPolicy(Qt::FocusPolicy(policy.toInt()));
        widget->setProperty(withheldPolicy, QVariant());
    }
}

} // namespace

FrontOnlyFocus::FrontOnlyFocus(const QList<QWidget *> &stack, QObject *parent)
    : QObject(parent)
{
    for (QWidget *widget : stack) {
        m_stack.append(widget);
        widget->installEventFilter(this);
    }
    update();
}

bool FrontOnlyFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ZOrderChange)
        update();
    return QObject::eventFilter(watched, event);
}

// The sibling created or raised last lies in front.
QWidget *FrontOnlyFocus::front() const
{
    QWidget *result = nullptr;
    qsizetype highest = -1;
    for (const QPointer<QWidget> &widget : m_stack) {
        if (!widget || !widget->parentWidget())
            continue;
        const qsizetype place = widget->parentWidget()->children().indexOf(widget.data());
        if (place > highest) {
            highest = place;
            result = widget;
        }
    }
    return result;
}

void FrontOnlyFocus::update()
{
    QWidget *inFront = front();
    for (const QPointer<QWidget> &widget : m_stack) {
        if (widget && widget != inFront)
            withholdFocus(widget);
    }
    if (inFront)
        giveBackFocus(inFront);
}

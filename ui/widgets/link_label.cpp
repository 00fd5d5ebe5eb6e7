#include "ui/widgets/link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

class LinkLabelAccessible final : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        if (!state.invisible && !isUncovered(label()))
            state.offscreen = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (canPress())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            if (canPress())
                label()->click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel *label() const { return static_cast<LinkLabel *>(widget()); }
    // Only what the user can see can be pressed, as with the mouse.
    bool canPress() const { return label()->isEnabled() && isUncovered(label()); }
};

QAccessibleInterface *accessibleFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("LinkLabel")) {
        if (auto *label = qobject_cast<LinkLabel *>(object))
            return new LinkLabelAccessible(label);
    }
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// The key acts when it comes up; a held key repeats nothing.
void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (m_focusCue.takeKeyPress(event)) {
        update();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::keyReleaseEvent(QKeyEvent *event)
{
    bool press = false;
    if (m_focusCue.takeKeyRelease(event, press)) {
        if (press)
            click();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event)
{
    m_focusCue.focusIn(event->reason());
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    m_focusCue.focusOut(event->reason());
    QLabel::focusOutEvent(event);
}

// A dotted frame in the text's colour around the text itself: the label
// may reach beyond what its container shows.
void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() || !m_focusCue.isShown())
        return;
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect textRect = fontMetrics().boundingRect(contentsRect(), flags, text());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(textRect.adjusted(-2, -1, 1, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

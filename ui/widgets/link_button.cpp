#include "ui/widgets/link_button.h"

#include "ui/widgets/focus_frame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

// Qt would present the button as a push button; a screen reader announces
// a link, named by its text and pressed as Qt presses its buttons.
class LinkAccessible final : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkButton *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (widget()->isEnabled())
            link()->animateClick();
    }

private:
    LinkButton *link() const { return static_cast<LinkButton *>(widget()); }
};

QAccessibleInterface *accessibleLink(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkButton")) {
        if (auto *link = qobject_cast<LinkButton *>(object))
            return new LinkAccessible(link);
    }
    return nullptr;
}

} // namespace

LinkButton::LinkButton(QWidget *parent)
    : BareButton(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleLink);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void LinkButton::setText(const QString &text)
{
    QAbstractButton::setText(text);
    // A button would take the character after an '&' for its Alt shortcut.
    setShortcut(QKeySequence());
}

void LinkButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkButton::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

int LinkButton::textFlags() const
{
    const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    return int(QStyle::visualAlignment(direction, m_alignment)) | (m_wordWrap ? int(Qt::TextWordWrap) : 0)
        | (direction == Qt::LeftToRight ? int(Qt::TextForceLeftToRight) : int(Qt::TextForceRightToLeft));
}

// The text as a plain-text label draws it. The focus frame is a dotted line
// in the text's colour around the text itself: the link may reach beyond
// what its container shows.
void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int flags = textFlags();
    style()->drawItemText(&painter, rect(), flags, option.palette, isEnabled(), text(), foregroundRole());
    if (!showsKeyboardFocus(this))
        return;
    const QRect textRect = fontMetrics().boundingRect(rect(), flags, text());
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(textRect.adjusted(-2, -1, 1, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

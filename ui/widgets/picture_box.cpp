#include "ui/widgets/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A clickable box is a button for screen readers, one that shows nothing
// but its picture is a graphic; both are named after their symbol.
class PictureBoxAccessible final : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(PictureBox *box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override { return box()->isClickable() ? QAccessible::Button : QAccessible::Graphic; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!state.invisible && !isUncovered(box()))
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
                box()->click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    PictureBox *box() const { return static_cast<PictureBox *>(widget()); }
    // Only what the user can see can be pressed, as with the mouse.
    bool canPress() const { return box()->isClickable() && box()->isEnabled() && isUncovered(box()); }
};

QAccessibleInterface *accessibleFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("PictureBox")) {
        if (auto *box = qobject_cast<PictureBox *>(object))
            return new PictureBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    resize(picture.size());
}

void PictureBox::setPicture(const QPixmap &picture, const QString &name)
{
    setPicture(picture);
    setAccessibleName(name);
}

void PictureBox::setClickable(bool clickable)
{
    m_clickable = clickable;
    if (clickable) {
        setCursor(Qt::PointingHandCursor);
        // Tab only: a click must not leave a focus frame behind.
        setFocusPolicy(Qt::TabFocus);
    } else {
        unsetCursor();
    }
}

void PictureBox::click()
{
    if (m_clickable)
        emit clicked();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && m_pressed && event->button() == Qt::LeftButton) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// The key acts when it comes up, as on a push button; a held key repeats
// nothing.
void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (m_clickable && m_focusCue.takeKeyPress(event)) {
        update();
        return;
    }
    QLabel::keyPressEvent(event);
}

void PictureBox::keyReleaseEvent(QKeyEvent *event)
{
    bool press = false;
    if (m_clickable && m_focusCue.takeKeyRelease(event, press)) {
        if (press)
            click();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    m_focusCue.focusIn(event->reason());
    QLabel::focusInEvent(event);
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    m_focusCue.focusOut(event->reason());
    QLabel::focusOutEvent(event);
}

// The focus frame lies on the picture's edge, inside the box, so that the
// box keeps its size and the picture its place.
void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() || !m_focusCue.isShown())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

#pragma once

// Checks shared by the tests of the dialogs' designs: design units, whether a
// caption fits its control, and the focus sequence of the Tab key.

#include "ui/widgets/link_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <cmath>

namespace DialogChecks {

inline int px(int twips)
{
    return int(std::lround(twips / 15.0));
}

inline QRect pxRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// The caption as drawn: "&x" marks an access key, "&&" is one ampersand.
inline QString shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

// Why a caption does not fit its control; empty when it fits.
inline QString captionOverflow(const QWidget *control)
{
    const QFontMetrics metrics(control->font());
    const QSize room = control->size();
    QSize needed;
    if (auto *label = qobject_cast<const QLabel *>(control)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text()).size();
        // The label lays out wrapped text itself, so its own measure counts.
        // Some designed heights are one pixel short of the last line's
        // descent, which is blank below most letters: that pixel may go.
        if (label->wordWrap())
            needed.setHeight(label->heightForWidth(room.width()) - 1);
    } else if (auto *link = qobject_cast<const LinkButton *>(control)) {
        // A link lays out its text as a label does.
        const int flags = int(link->alignment()) | (link->wordWrap() ? Qt::TextWordWrap : 0);
        needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, link->text()).size();
        if (link->wordWrap())
            needed.setHeight(needed.height() - 1);
    } else if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        // A push button needs a few pixels of bevel on each side; an option
        // button also needs its round indicator.
        needed = QSize(metrics.horizontalAdvance(shownCaption(button->text())) + 8, metrics.height());
        if (button->inherits("QRadioButton"))
            needed.setWidth(button->sizeHint().width());
    } else if (auto *box = qobject_cast<const QGroupBox *>(control)) {
        needed = QSize(metrics.horizontalAdvance(box->title()) + 16, metrics.height());
    } else if (auto *edit = qobject_cast<const QLineEdit *>(control)) {
        needed = QSize(metrics.horizontalAdvance(edit->text()) + 4, metrics.height());
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return QString();
    return QStringLiteral("%1 needs %2x%3 px but has %4x%5")
        .arg(control->objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// Gives the first control the focus, presses Tab `presses` times and returns
// the names of the controls that had the focus, the first one included.
inline QStringList tabSequence(QWidget *first, int presses)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0;; ++i) {
        QWidget *focus = QApplication::focusWidget();
        names << (focus ? focus->objectName() : QStringLiteral("<none>"));
        if (i == presses || !focus)
            break;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

// The colour the window shows at a point of a control.
inline QColor shownColour(QWidget *window, const QWidget *control, QPoint at)
{
    const QImage image = window->grab().toImage();
    return image.pixelColor(control->mapTo(window, at) * image.devicePixelRatio());
}

inline bool isCentredOnScreen(const QWidget *window)
{
    const QPoint centre = window->screen()->availableGeometry().center();
    const QPoint mine = window->frameGeometry().center();
    // The window manager's frame may shift it by a title bar's height.
    return std::abs(centre.x() - mine.x()) <= 20 && std::abs(centre.y() - mine.y()) <= 30;
}

// The text a control shows: a label's or button's text, a frame's title, a box's text.
inline QString captionOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(control))
        return box->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return QString();
}

// Checks that the control lies in its container at its designed place and,
// when a caption is given, shows that caption.
inline void verifyPlace(const QWidget *window, const QString &name, const QString &container, QRect geometry,
                        const QString &caption)
{
    const QWidget *widget = window->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
    if (!caption.isEmpty())
        QCOMPARE(captionOf(widget), caption);
}

// What every dialog shares: its name, the designed size the user cannot
// change, the 11-pixel font, no minimise or maximise button, and its place
// in the middle of the screen once shown. Shows the window.
inline void verifyFixedCentredWindow(QWidget *window, const QString &name, QSize size)
{
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->font().pixelSize(), 11);
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(isCentredOnScreen(window));
}

// Checks that the control's caption fits it (see captionOverflow).
inline void verifyCaptionFits(const QWidget *control)
{
    QVERIFY(control);
    const QString overflow = captionOverflow(control);
    QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
}

} // namespace DialogChecks

#pragma once

// Checks shared by the tests of the dialogs' designs: design units, whether a
// caption fits its control, and the focus sequence of the Tab key.

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

} // namespace DialogChecks

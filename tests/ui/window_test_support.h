#pragma once

#include "fakes/test_run.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs `action` on the next modal window of type T as soon as it is shown
// (polling, since the modal showing blocks the caller). The action must close
// the window, or the test hangs until QTest's timeout.
template <typename T>
void whenModal(std::function<void(T *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto *modal = qobject_cast<T *>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

inline bool samePicture(const QPixmap &a, const QPixmap &b)
{
    return !a.isNull() && a.toImage().convertToFormat(QImage::Format_RGB32)
        == b.toImage().convertToFormat(QImage::Format_RGB32);
}

// The widget that lies on top among its siblings (the last child widget).
inline QWidget *topOfSiblings(QWidget *parent)
{
    QWidget *top = nullptr;
    for (QObject *child : parent->children()) {
        if (auto *widget = qobject_cast<QWidget *>(child); widget && !widget->isWindow())
            top = widget;
    }
    return top;
}

// Whether `upper` lies above its sibling `lower` in their parent's stacking order.
inline bool liesAbove(QWidget *upper, QWidget *lower)
{
    const QObjectList &siblings = upper->parentWidget()->children();
    return siblings.indexOf(upper) > siblings.indexOf(lower);
}

#pragma once

#include "fakes/test_run.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace ModalGuard {

// How long a modal window may stay open in a test: answered ones close
// within milliseconds.
inline constexpr int deadlineMilliseconds = 5000;

// "the ResultDialog", or "the message box" with its text.
inline QString describe(const QMetaObject &type)
{
    return QStringLiteral("the ") + QLatin1String(type.className());
}

inline QString describe(const QWidget *window)
{
    if (auto *box = qobject_cast<const QMessageBox *>(window))
        return QStringLiteral("the message box \"%1\"").arg(box->text());
    return describe(*window->metaObject());
}

inline void fail(const QString &message)
{
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

// A modal window that stays open holds the test in its exec() until QtTest's
// watchdog aborts the whole run minutes later, without a word of why. The
// guard fails the running test within seconds instead, saying which window
// stayed open, and closes it so that the test ends. It watches from its
// first call in a test program on.
inline void watch()
{
    static QPointer<QTimer> timer;
    if (timer)
        return;
    timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(100);
    struct Watched
    {
        QPointer<QWidget> modal;
        QElapsedTimer since;
    };
    auto watched = std::make_shared<Watched>();
    QObject::connect(timer, &QTimer::timeout, [watched] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != watched->modal) {
            watched->modal = modal;
            watched->since.start();
            return;
        }
        if (!modal || watched->since.elapsed() < deadlineMilliseconds)
            return;
        fail(QStringLiteral("%1 stayed open %2 s with nothing in the test to answer it")
                 .arg(describe(modal), QString::number(deadlineMilliseconds / 1000)));
        watched->modal = nullptr;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    });
    timer->start();
}

} // namespace ModalGuard

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

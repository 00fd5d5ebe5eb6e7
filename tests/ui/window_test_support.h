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
// Set by whenModal on the window it has answered: what the answer was.
inline constexpr char answerProperty[] = "modalGuardAnswer";

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

// Whether the test that was running at `since` still runs.
struct TestPoint
{
    QByteArray function = QTest::currentTestFunction();
    QByteArray tag = QTest::currentDataTag();
    bool isCurrent() const
    {
        return !function.isEmpty() && function == QTest::currentTestFunction() && tag == QTest::currentDataTag();
    }
};

inline void fail(const QString &message)
{
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

// A modal window that stays open holds the test in its exec() until QtTest's
// watchdog aborts the whole run minutes later, without a word of why. The
// guard fails the running test within seconds instead, saying which window
// stayed open and after which answer, and closes it so that the test ends.
// It watches from the first whenModal of a test program on.
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
        const QString answer = modal->property(answerProperty).toString();
        const QString seconds = QString::number(deadlineMilliseconds / 1000);
        fail(answer.isEmpty()
                 ? QStringLiteral("%1 stayed open %2 s with nothing in the test to answer it").arg(describe(modal), seconds)
                 : QStringLiteral("%1 did not close after %2 (still open %3 s later)").arg(describe(modal), answer, seconds));
        watched->modal = nullptr;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    });
    timer->start();
}

} // namespace ModalGuard

// Runs `action` on the next modal window of type T as soon as it is shown
// (polling, since the modal showing blocks the caller). The action must close
// the window; `answer` says how ("TRY AGAIN"), for the failure message when
// the window stays open anyway: the modal guard then fails the test within
// seconds and closes the window. A window that does not open within seconds
// fails the test too.
template <typename T>
void whenModal(const char *answer, std::function<void(T *)> action)
{
    ModalGuard::watch();
    auto *timer = new QTimer;
    timer->setInterval(5);
    QElapsedTimer waiting;
    waiting.start();
    const ModalGuard::TestPoint test;
    const QString answered = QString::fromUtf8(answer);
    QObject::connect(timer, &QTimer::timeout, [timer, action, waiting, test, answered] {
        if (!test.isCurrent()) {
            // The test it was made for is over.
            timer->deleteLater();
            timer->stop();
            return;
        }
        if (auto *modal = qobject_cast<T *>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            modal->setProperty(ModalGuard::answerProperty, answered);
            action(modal);
        } else if (waiting.elapsed() > ModalGuard::deadlineMilliseconds) {
            timer->stop();
            timer->deleteLater();
            ModalGuard::fail(QStringLiteral("%1 did not open within %2 s (to be answered with %3)")
                                 .arg(ModalGuard::describe(T::staticMetaObject),
                                      QString::number(ModalGuard::deadlineMilliseconds / 1000), answered));
        }
    });
    timer->start();
}

template <typename T>
void whenModal(std::function<void(T *)> action)
{
    whenModal<T>("the test's answer", std::move(action));
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

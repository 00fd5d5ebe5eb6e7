#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <cstdint>

class HistoryKeeper;
class QWidget;

// Tells the user, without stopping the test, that guesses cannot be saved
// now: one notice per outage, non-modal over the main window, shown once the
// result dialog (or any other modal dialog) has closed. When the waiting
// guesses have been written the notice says so; an outage that ended before
// its notice could show lost nothing and is not mentioned.
class StorageNotice : public QObject
{
    Q_OBJECT

public:
    StorageNotice(HistoryKeeper &history, QWidget *mainWindow);

    // The notice on screen, if any.
    QMessageBox *notice() const { return m_notice; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void failed(const QString &reason);
    void recovered(std::int64_t written);
    void showWhenNothingModal();
    void show();

    QWidget *m_mainWindow;
    QString m_text;
    QMessageBox::Icon m_icon = QMessageBox::Warning;
    bool m_due = false;
    QPointer<QWidget> m_waitingFor;
    QPointer<QMessageBox> m_notice;
};

// Before the exit screen: how many guesses could still not be written, and
// are lost when the program ends. Empty when none wait.
QString unsavedGuessesNotice(const HistoryKeeper *history);

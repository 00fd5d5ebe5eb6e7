#include "ui/storage_notice.h"

#include "services/history_keeper.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

StorageNotice::StorageNotice(HistoryKeeper &history, QWidget *mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
{
    connect(&history, &HistoryKeeper::storageFailed, this, &StorageNotice::failed);
    connect(&history, &HistoryKeeper::storageRecovered, this, &StorageNotice::recovered);
}

void StorageNotice::failed(const QString &reason)
{
    m_text = tr("Your last guess could not be saved: %1.\n\nThe test goes on. Your guesses are kept in memory and "
                "saved as soon as the history can be written again; until then the Statistics window counts them "
                "as not yet saved.")
                 .arg(reason);
    m_icon = QMessageBox::Warning;
    m_due = true;
    showWhenNothingModal();
}

void StorageNotice::recovered(std::int64_t written)
{
    const QString text =
        tr("The history can be written again, and the guesses that were waiting (%1) have been saved.").arg(written);
    if (m_notice) {
        m_notice->setIcon(QMessageBox::Information);
        m_notice->setText(text);
        return;
    }
    // Shown, then closed by the user: the news comes in a notice of its own.
    // Never shown: nothing was lost, and nothing is said.
    if (m_due) {
        m_due = false;
        return;
    }
    m_text = text;
    m_icon = QMessageBox::Information;
    m_due = true;
    showWhenNothingModal();
}

// The result dialog takes the input over until it closes; the notice comes
// right after, not over it.
void StorageNotice::showWhenNothingModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return show();
    if (m_waitingFor != modal) {
        m_waitingFor = modal;
        modal->installEventFilter(this);
    }
}

bool StorageNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_waitingFor && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) {
        watched->removeEventFilter(this);
        m_waitingFor = nullptr;
        // Once the dialog's own handling of its closing is over.
        QTimer::singleShot(0, this, [this] {
            if (m_due)
                showWhenNothingModal();
        });
    }
    return QObject::eventFilter(watched, event);
}

void StorageNotice::show()
{
    m_due = false;
    if (m_notice)
        m_notice->close();
    auto *box = new QMessageBox(m_icon, tr("History"), m_text,
                                QMessageBox::Ok, m_mainWindow);
    box->setObjectName(QStringLiteral("storageNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    m_notice = box;
    box->show();
}

QString unsavedGuessesNotice(const HistoryKeeper *history)
{
    if (!history || !history->inOutage() || history->notYetSaved() == 0)
        return {};
    return QCoreApplication::translate("StorageNotice",
                                       "Guesses of this run not yet saved: %1 (%2). The program tries once more as "
                                       "it ends; what cannot be saved then is lost.")
        .arg(history->notYetSaved())
        .arg(history->outageReason());
}

#include "ui/qt_platform.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <memory>

namespace {

// The window a dialog asked for by `owner` belongs to: the window of the
// owner itself, or of the nearest widget it belongs to.
QWidget *windowOf(QObject *owner)
{
    for (QObject *object = owner; object; object = object->parent()) {
        if (auto *widget = qobject_cast<QWidget *>(object))
            return widget->window();
    }
    return nullptr;
}

QMessageBox *newMessageBox(const QString &text, Platform::Buttons buttons, Platform::Icon icon,
                           const QString &caption, QWidget *parent)
{
    using Icon = Platform::Icon;
    const QMessageBox::Icon boxIcon = icon == Icon::Critical ? QMessageBox::Critical
                                      : icon == Icon::Warning  ? QMessageBox::Warning
                                                               : QMessageBox::Information;
    const QMessageBox::StandardButtons boxButtons = buttons == Platform::Buttons::YesNo
        ? (QMessageBox::Yes | QMessageBox::No)
        : QMessageBox::StandardButtons(QMessageBox::Ok);
    // A lone carriage return breaks the line, as it does in the desktop's own
    // message boxes; a plain-text label would not break there.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    auto *box = new QMessageBox(boxIcon, caption, shown, boxButtons, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

Platform::Answer answerOf(Platform::Buttons buttons, int result)
{
    if (buttons == Platform::Buttons::Ok)
        return Platform::Answer::Ok;
    // Escape and the close box count as No, the box's escape button.
    return result == QMessageBox::Yes ? Platform::Answer::Yes : Platform::Answer::No;
}

QString startingPlace(const QString &suggestedName)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? suggestedName : QDir(documents).filePath(suggestedName);
}

} // namespace

void QtPlatform::showMessage(QObject *owner, const QString &text, Buttons buttons, Icon icon,
                             const QString &caption, Answered answered)
{
    QMessageBox *box = newMessageBox(text, buttons, icon, caption, windowOf(owner));
    box->setObjectName(QStringLiteral("messageBox"));
    // The owner as the connection's context: an owner destroyed while the
    // box is open hears nothing.
    if (answered) {
        QObject::connect(box, &QMessageBox::finished, owner ? owner : box,
                         [buttons, answered](int result) { answered(answerOf(buttons, result)); });
    }
    QObject::connect(box, &QMessageBox::finished, box, &QObject::deleteLater);
    box->open();
}

Platform::Answer QtPlatform::askBeforeAnyWindow(const QString &text, Buttons buttons, Icon icon,
                                                const QString &caption)
{
    // No window to stand over yet: the box is a window of its own.
    const std::unique_ptr<QMessageBox> box(newMessageBox(text, buttons, icon, caption, nullptr));
    box->setWindowModality(Qt::ApplicationModal);
    return answerOf(buttons, box->exec());
}

void QtPlatform::askSaveFileName(QObject *owner, const QString &caption, const QString &suggestedName,
                                 const QString &filter, FileChosen chosen)
{
    auto *dialog = new QFileDialog(windowOf(owner), caption, startingPlace(suggestedName), filter);
    dialog->setObjectName(QStringLiteral("saveFileDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    QObject::connect(dialog, &QFileDialog::finished, owner ? owner : dialog, [dialog, chosen](int result) {
        const QStringList files = dialog->selectedFiles();
        chosen(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    QObject::connect(dialog, &QFileDialog::finished, dialog, &QObject::deleteLater);
    dialog->open();
}

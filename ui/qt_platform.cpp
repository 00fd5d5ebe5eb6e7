#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

Platform::Answer QtPlatform::showMessage(const QString &text, Buttons buttons, Icon icon,
                                         const QString &caption)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Critical ? QMessageBox::Critical
                                      : icon == Icon::Warning  ? QMessageBox::Warning
                                                               : QMessageBox::Information;
    const QMessageBox::StandardButtons boxButtons =
        buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::StandardButtons(QMessageBox::Ok);
    // A lone carriage return breaks the line, as it does in the desktop's own
    // message boxes; a plain-text label would not break there.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    // Owned by the active window, so that the box stays above it even when
    // that window is kept on top (the exit screen).
    QMessageBox box(boxIcon, caption, shown, boxButtons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPlatform::askSaveFileName(const QString &caption, const QString &suggestedName, const QString &filter)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString start = documents.isEmpty() ? suggestedName : QDir(documents).filePath(suggestedName);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, start, filter);
}

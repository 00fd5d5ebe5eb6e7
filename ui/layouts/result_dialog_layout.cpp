#include "ui/layouts/result_dialog_layout.h"

#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace Ui {

void ResultDialog::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("resultDialog"));
    // Designed colours, whatever palette the desktop gives the program.
    Design::useDesignPalette(dialog);
    // No title bar and no border of its own; a tool window stays out of the
    // taskbar.
    dialog->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    dialog->setFixedSize(Design::px(4695), Design::px(1695));
    dialog->setFont(Design::font(8.25));

    // The panel carries the dialog's only border and reaches past its bottom.
    resultPanel = new QFrame(dialog);
    resultPanel->setObjectName(QStringLiteral("resultPanel"));
    resultPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    resultPanel->setLineWidth(1);
    Design::setBackground(resultPanel, Design::dialogPink);
    Design::place(resultPanel, 0, 0, 4695, 1700);

    tryAgainButton = new QPushButton(tr("TRY AGAIN"), resultPanel);
    tryAgainButton->setObjectName(QStringLiteral("tryAgainButton"));
    tryAgainButton->setFont(Design::font(9.75, true));
    Design::makeGreyButton(tryAgainButton);
    Design::place(tryAgainButton, 1080, 1080, 2535, 495);

    // Replaced, with its colour, before the dialog is shown.
    messageLabel = new QLabel(resultPanel);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setFont(Design::font(9.75, true));
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setWordWrap(true);
    Design::makeTransparent(messageLabel);
    Design::place(messageLabel, 120, 0, 4455, 855);
    messageLabel->lower();

    Design::centreOnScreen(dialog);
}

} // namespace Ui

#include "ui/layouts/result_dialog_layout.h"

#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace Ui {

void frmResult::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("frmResult"));
    // No title bar and no border of its own; a tool window stays out of the
    // taskbar.
    dialog->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    dialog->setFixedSize(Design::px(4695), Design::px(1695));
    dialog->setFont(Design::font(8.25));

    // The panel carries the dialog's only border and reaches past its bottom.
    picResult = new QFrame(dialog);
    picResult->setObjectName(QStringLiteral("picResult"));
    picResult->setFrameStyle(QFrame::Box | QFrame::Plain);
    picResult->setLineWidth(1);
    Design::setBackground(picResult, Design::dialogPink);
    Design::place(picResult, 0, 0, 4695, 1700);

    cmdTry = new QPushButton(QStringLiteral("TRY AGAIN"), picResult);
    cmdTry->setObjectName(QStringLiteral("cmdTry"));
    cmdTry->setFont(Design::font(9.75, true));
    Design::makeGreyButton(cmdTry);
    Design::place(cmdTry, 1080, 1080, 2535, 495);

    // Replaced, with its colour, before the dialog is shown.
    lblResult = new QLabel(QStringLiteral("Label14"), picResult);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblResult->setFont(Design::font(9.75, true));
    lblResult->setAlignment(Qt::AlignCenter);
    lblResult->setWordWrap(true);
    Design::makeTransparent(lblResult);
    Design::place(lblResult, 120, 0, 4455, 855);
    lblResult->lower();

    Design::centreOnScreen(dialog);
}

} // namespace Ui

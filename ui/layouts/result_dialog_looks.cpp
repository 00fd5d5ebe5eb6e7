#include "ui/layouts/result_dialog_looks.h"

#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui_result_dialog.h"

namespace Design {

void dressResultDialog(QDialog *dialog, const Ui::ResultDialog &ui)
{
    // Designed colours, whatever palette the desktop gives the program.
    useDesignPalette(dialog);
    // No title bar and no border of its own; a tool window stays out of the
    // taskbar.
    dialog->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    dialog->setFont(font(8.25));

    // The panel carries the dialog's only border.
    setBackground(ui.resultPanel, dialogPink);
    ui.tryAgainButton->setFont(font(9.75, true));
    makeGreyButton(ui.tryAgainButton);
    // Its text and colour are set before the dialog is shown.
    ui.messageLabel->setFont(font(9.75, true));
    makeTransparent(ui.messageLabel);

    centreOnScreen(dialog);
}

} // namespace Design

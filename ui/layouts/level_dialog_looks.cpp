#include "ui/layouts/level_dialog_looks.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui_level_dialog.h"
#include "ui_score_page.h"

namespace Design {

namespace {

QColor buttonFace()
{
    return designPalette().color(QPalette::Button);
}

// One of the two promotional links, pages of the stack that holds their
// place in the band at the bottom.
void dressBrandLink(LinkButton *link, const QString &caption)
{
    link->setText(caption);
    link->setFont(font(8.25, true, true));
    setBackground(link, buttonFace());
    setForeground(link, QColor(0, 0, 255));
}

void dressOption(QRadioButton *option)
{
    option->setFont(font(8.25, true));
    setBackground(option, panelPink);
    // A button fills its background from the button role.
    QPalette palette = option->palette();
    palette.setColor(QPalette::Button, panelPink);
    option->setPalette(palette);
}

void dressOkButton(QPushButton *button)
{
    button->setFont(font(8.25, true));
    makeGreyButton(button);
}

} // namespace

void dressLevelDialog(QDialog *dialog, const Ui::LevelDialog &ui)
{
    // Designed colours, whatever palette the desktop gives the program.
    useDesignPalette(dialog);
    dialog->setWindowTitle(AppInfo::title());
    // Fixed single border: a close box, but neither minimise nor maximise.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    setBackground(dialog, dialogPink);

    // The promotional band at the bottom; the dialog shows the full-branding
    // offer, the first page of its stack.
    setBackground(ui.brandBar, buttonFace());
    dressBrandLink(ui.fullBrandLink, fullBrandCaption());
    dressBrandLink(ui.coBrandLink, coBrandCaption());

    // The forum banner at the top.
    setBackground(ui.forumBanner, Qt::black);
    ui.forumLink->setText(forumPromotion());
    ui.forumLink->setFont(font(8.25, true, true));
    setForeground(ui.forumLink, magenta);
    makeTransparent(ui.forumLink);

    setBackground(ui.levelPanel, dialogPink);
    ui.levelGroup->setFont(font(8.25, true));
    setBackground(ui.levelGroup, panelPink);
    for (QRadioButton *option : {ui.beginnerOption, ui.intermediateOption, ui.expertOption})
        dressOption(option);
    dressOkButton(ui.okButton);
    ui.invitationLabel->setText(ui.invitationLabel->text().arg(AppInfo::name()));
    ui.invitationLabel->setFont(font(8.25, true));
    makeTransparent(ui.invitationLabel);

    // Last, once every control that shows text has its own font: the group
    // box measures its title in the font it has, and the dialog's plain one,
    // which no control shows, would load a font engine for nothing.
    dialog->setFont(font(8.25));

    centreOnScreen(dialog);
}

void dressScorePage(QFrame *page, const Ui::ScorePage &ui)
{
    // Framed as the level choice is: above and beside the caption the
    // frame's top edge shows.
    setBackground(page, dialogPink);
    ui.scorePanel->setFont(font(8.25, true));
    setBackground(ui.scorePanel, dialogPink);
    // Flat: a plain single-line border that the caption interrupts. A style
    // sheet takes its text colour from the desktop, so the caption's and the
    // score's (the text box inside takes the sheet too) are named.
    ui.scorePanel->setStyleSheet(QStringLiteral(
        "QGroupBox#scorePanel { color: %2; border: 1px solid black; margin-top: 6px; }"
        "QGroupBox#scorePanel::title { subcontrol-origin: margin; left: 6px; padding: 0 1px;"
        " background-color: %1; }"
        "QPlainTextEdit#scoreBox { color: %2; }")
                                     .arg(dialogPink.name(), designPalette().color(QPalette::WindowText).name()));
    dressOkButton(ui.scoreOkButton);
    ui.scoreBox->setFont(font(8.25, true));
    setBackground(ui.scoreBox, panelPink);
}

} // namespace Design

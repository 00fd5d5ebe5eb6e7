#include "ui/layouts/about_box_looks.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/symbol_pictures.h"
#include "ui_about_box.h"

namespace Design {

void dressAboutBox(QDialog *dialog, const Ui::AboutBox &ui)
{
    // Designed colours, whatever palette the desktop gives the program.
    useDesignPalette(dialog);
    dialog->setWindowTitle(AppInfo::title());
    // Fixed dialog frame: a close box only. A dialog window is transient, so
    // it has no taskbar entry of its own.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    dialog->setFont(font(8.25));
    dialog->setWindowIcon(programIcon(dialog->devicePixelRatio()));
    setBackground(dialog, panelPink);

    // The icon with a plain single-line border around it, 32 + 2 pixels.
    // The box keeps its designed size, not the picture's.
    const QRect iconPlace = ui.iconBox->geometry();
    ui.iconBox->setPicture(programIconPicture(dialog->devicePixelRatio()));
    ui.iconBox->setGeometry(iconPlace);
    setBackground(ui.iconBox, designPalette().color(QPalette::Base));

    ui.okButton->setFont(font(8.25, true));
    makeGreyButton(ui.okButton);

    ui.homePageLink->setText(ui.homePageLink->text().arg(siteCaption()));
    ui.homePageLink->setFont(font(8.25, true, true));
    makeTransparent(ui.homePageLink);

    ui.fullBrandOffer->setFont(font(8.25, true));
    makeTransparent(ui.fullBrandOffer);
    // Wider than the window, its right edge is clipped; its text wraps
    // within the part left of the window's edge, so that no word is cut off
    // there.
    ui.fullBrandOffer->setContentsMargins(0, 0, ui.fullBrandOffer->geometry().right() + 1 - dialog->width(), 0);

    ui.fullBrandLink->setFont(font(8.25, true, true));
    makeTransparent(ui.fullBrandLink);

    ui.titleLabel->setText(AppInfo::title());
    ui.titleLabel->setFont(font(9.75, true));
    makeTransparent(ui.titleLabel);

    ui.descriptionLabel->setText(ui.descriptionLabel->text().arg(AppInfo::name()));
    ui.descriptionLabel->setFont(font(8.25));
    makeTransparent(ui.descriptionLabel);

    centreOnScreen(dialog);
}

} // namespace Design

#include "ui/layouts/exit_screen_looks.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/refer_a_friend.h"
#include "ui/symbol_pictures.h"
#include "ui_exit_screen.h"

#include <QFontMetricsF>

#include <cmath>

namespace {

const QColor navy(0, 0, 128);

// A navy frame with its caption in white.
void makeNavyFrame(QGroupBox *frame)
{
    frame->setFont(Design::font(9.75, true));
    Design::setBackground(frame, navy);
    // The caption takes its colour from the text roles as well as WindowText.
    Design::setForeground(frame, Qt::white);
}

// The design font is too wide for some single-line captions on systems
// without Verdana: such a caption gets a condensed face so that it still fits.
void condenseToFit(QWidget *widget, const QString &caption)
{
    // The caption is laid out with fractional advances, so measure it the
    // way the label lays it out, rounded up, not by the rounded advance.
    const auto needed = [&caption](const QFont &font) {
        return int(std::ceil(QFontMetricsF(font).horizontalAdvance(caption)));
    };
    QFont font = widget->font();
    int stretch = 100;
    while (stretch > 50 && needed(font) > widget->width())
        font.setStretch(--stretch);
    widget->setFont(font);
}

} // namespace

namespace Design {

void dressExitScreen(QWidget *window, const Ui::ExitScreen &ui)
{
    // Designed colours, whatever palette the desktop gives the program.
    useDesignPalette(window);
    window->setWindowTitle(AppInfo::title());
    // Fixed single border: a close box, but neither minimise nor maximise.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    // The design's MS Sans Serif 8.25 maps to the design family.
    window->setFont(font(8.25));
    window->setWindowIcon(programIcon(window->devicePixelRatio()));
    setBackground(window, Qt::white);

    // The navy column on the right: the maker's other programs.
    makeNavyFrame(ui.downloadFrame);
    ui.catalogueLink->setFont(font(9, true, true));
    setForeground(ui.catalogueLink, QColor(255, 255, 0));
    makeTransparent(ui.catalogueLink);
    condenseToFit(ui.catalogueLink, ui.catalogueLink->text());
    ui.otherProgramsText->setFont(font(9));
    setForeground(ui.otherProgramsText, Qt::white);
    makeTransparent(ui.otherProgramsText);

    // The refer-a-friend form along the bottom; its boxes are in the
    // window's font, not in the frame's caption font. Each box starts with
    // the placeholder that the form compares its text with.
    makeNavyFrame(ui.referFrame);
    ui.yourMessageBox->setFont(window->font());
    setBackground(ui.yourMessageBox, Qt::white);
    setForeground(ui.yourMessageBox, Qt::black);
    const struct
    {
        QLineEdit *box;
        QString placeholder;
    } boxes[] = {
        {ui.yourNameBox, ReferAFriend::yourNamePlaceholder()},
        {ui.yourEmailBox, ReferAFriend::yourEmailPlaceholder()},
        {ui.friendNameBox, ReferAFriend::friendNamePlaceholder()},
        {ui.friendEmailBox, ReferAFriend::friendEmailPlaceholder()},
    };
    for (const auto &[box, placeholder] : boxes) {
        box->setText(placeholder);
        box->setFont(window->font());
    }
    ui.referButton->setFont(font(8.25, true));
    setForeground(ui.referButton, Qt::black);

    ui.visitSiteButton->setText(ui.visitSiteButton->text().arg(siteCaption()));
    ui.visitSiteButton->setFont(font(14.25));
    setForeground(ui.visitSiteButton, QColor(0, 0, 192));

    // The icon at the top-left corner of a larger box without border; the
    // box keeps its designed size, not the picture's.
    const QRect iconPlace = ui.iconBox->geometry();
    ui.iconBox->setPicture(programIconPicture(window->devicePixelRatio()));
    ui.iconBox->setGeometry(iconPlace);

    ui.appealLabel->setFont(font(9.75, true));
    makeTransparent(ui.appealLabel);

    ui.titleLabel->setText(AppInfo::title());
    ui.titleLabel->setFont(font(18));
    makeTransparent(ui.titleLabel);

    centreOnScreen(window);
}

} // namespace Design

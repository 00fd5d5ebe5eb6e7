#include "ui/layouts/main_window_looks.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui_main_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace Design {

namespace {

QColor buttonFace()
{
    return designPalette().color(QPalette::Button);
}

// One of the two branding offers, pages of the stack that holds their place.
void dressBrandingLink(LinkButton *offer, const QString &caption)
{
    offer->setText(caption);
    offer->setFont(font(8.25, true, true));
    setBackground(offer, buttonFace());
    setForeground(offer, QColor(0, 0, 255));
}

void dressGreyButton(QPushButton *button)
{
    button->setFont(font(8.25, true));
    makeGreyButton(button);
}

} // namespace

void dressMainWindow(QMainWindow *window, const Ui::MainWindow &ui)
{
    // Designed colours, whatever palette the desktop gives the program.
    useDesignPalette(window);
    window->setWindowTitle(AppInfo::title());
    // Fixed single border: close box and system menu, no minimise or maximise.
    // X11 window managers heed the button hints only on a customised frame.
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    QPalette windowPalette = window->palette();
    windowPalette.setColor(QPalette::Window, buttonFace());
    window->setPalette(windowPalette);
    ui.clientArea->setFont(font(8.25));

    // The outcome of a guess is kept here and never shown, nor read out.
    ui.outcomeLabel->hide();
    setBackground(ui.coverPanel, panelPink);

    setBackground(ui.bottomBar, Qt::black);
    dressBrandingLink(ui.coBrandLink, coBrandCaption());
    dressBrandingLink(ui.fullBrandLink, fullBrandCaption());
    dressGreyButton(ui.backButton);
    dressGreyButton(ui.exitButton);

    // Top banner: the forum promotion reaches below the banner and is clipped.
    setBackground(ui.forumBanner, Qt::black);
    ui.forumLink->setText(forumPromotion());
    ui.forumLink->setFont(font(9, true, true));
    setForeground(ui.forumLink, magenta);
    makeTransparent(ui.forumLink);

    // Wait panel, on top of everything while the guess flow shows it.
    setBackground(ui.waitPanel, Qt::black);
    ui.waitTitle->setFont(font(14.25, true));
    setBackground(ui.waitTitle, Qt::black);
    setForeground(ui.waitTitle, magenta);
    // Wider than the panel: its magenta band fills the panel's lower part.
    ui.waitMessage->setText(ui.waitMessage->text().arg(AppInfo::name()));
    ui.waitMessage->setFont(font(9.75));
    setBackground(ui.waitMessage, magenta);
    setForeground(ui.waitMessage, Qt::black);
    ui.waitPanel->hide();

    // The size is fixed once the menu bar has its height. The frame is not
    // known before the window is shown, so the window's inside is centred.
    const int menuHeight = ui.menuBar->heightForWidth(ui.clientArea->width());
    window->setFixedSize(ui.clientArea->width(), ui.clientArea->height() + qMax(0, menuHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

} // namespace Design

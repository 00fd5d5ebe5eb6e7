#include "ui/layouts/about_box_layout.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/symbol_pictures.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

using Design::place;

// A transparent label of the about box; the texts wrap in their width.
template <typename Label>
Label *makeLabel(QWidget *parent, const char *name, const QString &caption, const QFont &font)
{
    auto *label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(caption);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::makeTransparent(label);
    return label;
}

} // namespace

namespace Ui {

void AboutBox::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("aboutBox"));
    // Designed colours, whatever palette the desktop gives the program.
    Design::useDesignPalette(dialog);
    dialog->setWindowTitle(AppInfo::title());
    // Fixed dialog frame: a close box only. A dialog window is transient, so
    // it has no taskbar entry of its own.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(Design::px(6060), Design::px(4065));
    dialog->setFont(Design::font(8.25));
    dialog->setWindowIcon(programIcon(dialog->devicePixelRatio()));
    Design::setBackground(dialog, Design::panelPink);

    // The icon with a plain single-line border around it, 32 + 2 pixels.
    iconBox = new PictureBox(dialog);
    iconBox->setObjectName(QStringLiteral("iconBox"));
    iconBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    iconBox->setLineWidth(1);
    iconBox->setPicture(programIconPicture(dialog->devicePixelRatio()));
    Design::setBackground(iconBox, Design::designPalette().color(QPalette::Base));
    place(iconBox, 150, 150, 510, 510);

    okButton = new QPushButton(tr("&OK"), dialog);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setFont(Design::font(8.25, true));
    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    Design::makeGreyButton(okButton);
    place(okButton, 4650, 3600, 1260, 345);

    homePageLink = makeLabel<LinkButton>(dialog, "homePageLink",
                                         tr("Click here to visit %1 today").arg(Design::siteCaption()),
                                         Design::font(8.25, true, true));
    place(homePageLink, 1320, 2160, 4650, 195);

    // Wider than the window: its right edge is clipped.
    fullBrandOffer = makeLabel<QLabel>(dialog, "fullBrandOffer",
                                       tr("Home Business Opportunity. Start your own Internet "
                                          "business and make money online. Get this software "
                                          "fully branded for your website."),
                                       Design::font(8.25, true));
    place(fullBrandOffer, 150, 2520, 6165, 675);
    // Its text wraps within the part left of the window's edge, so that no
    // word is cut off there.
    fullBrandOffer->setContentsMargins(0, 0, fullBrandOffer->geometry().right() + 1 - dialog->width(), 0);

    fullBrandLink = makeLabel<LinkButton>(dialog, "fullBrandLink",
                                          tr(" Click here for more details."),
                                          Design::font(8.25, true, true));
    place(fullBrandLink, 3240, 3180, 2730, 195);

    // The rule just above the OK button, one pixel in window-text colour,
    // reaching past both side edges.
    separatorLine = new QFrame(dialog);
    separatorLine->setObjectName(QStringLiteral("separatorLine"));
    separatorLine->setFrameShape(QFrame::HLine);
    separatorLine->setFrameShadow(QFrame::Plain);
    separatorLine->setLineWidth(1);
    separatorLine->setGeometry(Design::px(-60), Design::px(3510),
                               Design::px(6090) - Design::px(-60) + 1, 1);

    titleLabel = makeLabel<QLabel>(dialog, "titleLabel", AppInfo::title(),
                                   Design::font(9.75, true));
    place(titleLabel, 960, 240, 3285, 240);

    descriptionLabel = makeLabel<QLabel>(
        dialog, "descriptionLabel",
        tr("%1 is a simple and effective software that aims to help people "
           "improve their psychic abilities. Everyone is born with intuition but "
           "may not be aware of it to be able to exercise this ability. Using "
           "this software will help a person know his inner self better and "
           "help people. It comes to you from Quendrel Softwares.")
            .arg(AppInfo::name()),
        Design::font(8.25));
    place(descriptionLabel, 210, 840, 5745, 1215);

    // Labels lie beneath the picture box and the button.
    Design::stackTopDown({iconBox, okButton, homePageLink, fullBrandOffer, fullBrandLink, separatorLine,
                          titleLabel, descriptionLabel});

    Design::centreOnScreen(dialog);
}

} // namespace Ui

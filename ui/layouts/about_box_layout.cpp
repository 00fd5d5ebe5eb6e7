#include "ui/layouts/about_box_layout.h"

#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/symbol_pictures.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
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

void frmAbout::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("frmAbout"));
    dialog->setWindowTitle(QStringLiteral("Corvella v1.50"));
    // Fixed dialog frame: a close box only. A dialog window is transient, so
    // it has no taskbar entry of its own.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(Design::px(6060), Design::px(4065));
    dialog->setFont(Design::font(8.25));
    dialog->setWindowIcon(programIcon());
    Design::setBackground(dialog, Design::panelPink);

    // The icon with a plain single-line border around it, 32 + 2 pixels.
    picIcon = new PictureBox(dialog);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Box | QFrame::Plain);
    picIcon->setLineWidth(1);
    picIcon->setPicture(programIconPicture());
    Design::setBackground(picIcon, QApplication::palette().color(QPalette::Base));
    place(picIcon, 150, 150, 510, 510);

    cmdOk = new QPushButton(QStringLiteral("&OK"), dialog);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setFont(Design::font(8.25, true));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    Design::makeGreyButton(cmdOk);
    place(cmdOk, 4650, 3600, 1260, 345);

    lblHomePage = makeLabel<LinkLabel>(dialog, "lblHomePage",
                                       QStringLiteral("Click here to visit www.quendrel.example today"),
                                       Design::font(8.25, true, true));
    place(lblHomePage, 1320, 2160, 4650, 195);

    // Wider than the window: its right edge is clipped.
    Label3 = makeLabel<QLabel>(dialog, "Label3",
                               QStringLiteral("Home Business Opportunity. Start your own Internet "
                                              "business and make money online. Get this software "
                                              "fully branded for your website."),
                               Design::font(8.25, true));
    place(Label3, 150, 2520, 6165, 675);

    lblCobrand = makeLabel<LinkLabel>(dialog, "lblCobrand",
                                      QStringLiteral(" Click here for more details."),
                                      Design::font(8.25, true, true));
    place(lblCobrand, 3240, 3180, 2730, 195);

    // The rule just above the OK button, one pixel in window-text colour,
    // reaching past both side edges.
    Line2 = new QFrame(dialog);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Plain);
    Line2->setLineWidth(1);
    Line2->setGeometry(Design::px(-60), Design::px(3510),
                       Design::px(6090) - Design::px(-60) + 1, 1);

    Label2 = makeLabel<QLabel>(dialog, "Label2", QStringLiteral("Corvella v1.50"),
                               Design::font(9.75, true));
    place(Label2, 960, 240, 3285, 240);

    Label1 = makeLabel<QLabel>(
        dialog, "Label1",
        QStringLiteral("Corvella is a simple and effective software that aims to help people "
                       "improve their psychic abilities. Everyone is born with intuition but may "
                       "not be aware of it to be able to exercise this ability. Using this "
                       "software will help a person know his inner self better and help people. "
                       "It comes to you from Quendrel Softwares."),
        Design::font(8.25));
    place(Label1, 210, 840, 5745, 1215);

    // Labels lie beneath the picture box and the button.
    Design::stackTopDown({picIcon, cmdOk, lblHomePage, Label3, lblCobrand, Line2, Label2, Label1});

    Design::centreOnScreen(dialog);
}

} // namespace Ui

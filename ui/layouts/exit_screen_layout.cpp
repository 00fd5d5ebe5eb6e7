#include "ui/layouts/exit_screen_layout.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/refer_a_friend.h"
#include "ui/symbol_pictures.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <cmath>

namespace {

using Design::place;

const QColor navy(0, 0, 128);

// A navy frame with its caption in white.
QGroupBox *makeNavyFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(Design::font(9.75, true));
    Design::setBackground(frame, navy);
    // The caption takes its colour from the text roles as well as WindowText.
    Design::setForeground(frame, Qt::white);
    return frame;
}

// A flat single-line text box in the window's font, black on white.
QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(parent->window()->font());
    box->setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid black; background: white; color: black; padding: 0 1px; }"));
    return box;
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

QString appealOfOtherPrograms()
{
    return QCoreApplication::translate(
        "ExitScreen",
        "Quendrel Softwares makes simple, fun and informative programs about astrology, "
        "psychic abilities, tarot, numerology and the occult. Read your horoscope, test "
        "your intuition, draw the tarot cards or find the hidden meaning of your numbers, "
        "all with a few clicks. Every reading comes with clear and friendly explanations that "
        "anyone can follow.\n\n"
        "Download our other programs today and try them for yourself. If you enjoy them, "
        "please tell your friends and family about Quendrel Softwares, so that they can "
        "share the fun and learn something new about themselves too!");
}

} // namespace

namespace Ui {

void ExitScreen::setupUi(QWidget *window)
{
    window->setObjectName(QStringLiteral("exitScreen"));
    // Designed colours, whatever palette the desktop gives the program.
    Design::useDesignPalette(window);
    window->setWindowTitle(AppInfo::title());
    // Fixed single border: a close box, but neither minimise nor maximise.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(Design::px(11115), Design::px(4725));
    // The design's MS Sans Serif 8.25 maps to the design family.
    window->setFont(Design::font(8.25));
    window->setWindowIcon(programIcon(window->devicePixelRatio()));
    Design::setBackground(window, Qt::white);

    // The navy column on the right: the maker's other programs.
    downloadFrame = makeNavyFrame(window, "downloadFrame", tr("Download Quendrel Softwares"));
    place(downloadFrame, 7320, 120, 3735, 4575);

    catalogueLink = new LinkButton(downloadFrame);
    catalogueLink->setObjectName(QStringLiteral("catalogueLink"));
    catalogueLink->setText(tr("Click Here To Visit Quendrel Softwares"));
    catalogueLink->setFont(Design::font(9, true, true));
    Design::setForeground(catalogueLink, QColor(255, 255, 0));
    Design::makeTransparent(catalogueLink);
    place(catalogueLink, 75, 4250, 3585, 210);
    condenseToFit(catalogueLink, catalogueLink->text());

    otherProgramsText = new QLabel(appealOfOtherPrograms(), downloadFrame);
    otherProgramsText->setObjectName(QStringLiteral("otherProgramsText"));
    otherProgramsText->setFont(Design::font(9));
    otherProgramsText->setWordWrap(true);
    otherProgramsText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::setForeground(otherProgramsText, Qt::white);
    Design::makeTransparent(otherProgramsText);
    place(otherProgramsText, 120, 360, 3495, 3855);

    // The refer-a-friend form along the bottom.
    referFrame = makeNavyFrame(window, "referFrame", tr("Refer A Friend"));
    place(referFrame, 120, 3240, 7065, 1455);

    // Below the frame's bottom edge and outside the client area: never seen,
    // but it keeps its design text and its place in the tab order.
    yourMessageBox = new QPlainTextEdit(referFrame);
    yourMessageBox->setObjectName(QStringLiteral("yourMessageBox"));
    yourMessageBox->setFont(window->font());
    yourMessageBox->setPlainText(tr("Your Message\r\n"));
    Design::setBackground(yourMessageBox, Qt::white);
    Design::setForeground(yourMessageBox, Qt::black);
    // Tab moves on to the next control, as in any text box of the program.
    yourMessageBox->setTabChangesFocus(true);
    yourMessageBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    yourMessageBox->setLineWidth(1);
    yourMessageBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    yourMessageBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(yourMessageBox, 4800, 3600, 1815, 495);

    friendNameBox = makeTextBox(referFrame, "friendNameBox", ReferAFriend::friendNamePlaceholder());
    place(friendNameBox, 85, 720, 3375, 285);
    friendEmailBox =
        makeTextBox(referFrame, "friendEmailBox", ReferAFriend::friendEmailPlaceholder());
    place(friendEmailBox, 3600, 720, 3375, 285);
    yourEmailBox = makeTextBox(referFrame, "yourEmailBox", ReferAFriend::yourEmailPlaceholder());
    place(yourEmailBox, 3600, 360, 3375, 285);

    referButton = new QPushButton(tr("Refer A Friend &Now"), referFrame);
    referButton->setObjectName(QStringLiteral("referButton"));
    referButton->setFont(Design::font(8.25, true));
    Design::setForeground(referButton, Qt::black);
    place(referButton, 1920, 1080, 3375, 285);

    yourNameBox = makeTextBox(referFrame, "yourNameBox", ReferAFriend::yourNamePlaceholder());
    place(yourNameBox, 85, 360, 3375, 285);

    exitButton = new QPushButton(tr("E&xit"), window);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    place(exitButton, 6000, 2760, 1245, 375);

    // A check box drawn as a push button that stays down while ticked.
    visitSiteButton = new QPushButton(
        tr("Click Here To Visit %1 Now").arg(Design::siteCaption()), window);
    visitSiteButton->setObjectName(QStringLiteral("visitSiteButton"));
    visitSiteButton->setCheckable(true);
    visitSiteButton->setFont(Design::font(14.25));
    visitSiteButton->setCursor(Qt::PointingHandCursor);
    Design::setForeground(visitSiteButton, QColor(0, 0, 192));
    place(visitSiteButton, 30, 2040, 7185, 555);

    // The icon at the top-left corner of a larger box without border.
    iconBox = new PictureBox(window);
    iconBox->setObjectName(QStringLiteral("iconBox"));
    iconBox->setPicture(programIconPicture(window->devicePixelRatio()));
    place(iconBox, 360, 120, 540, 540);

    // Replaced by one of the four messages when the screen loads.
    appealLabel = new QLabel(promotionalMessage(1), window);
    appealLabel->setObjectName(QStringLiteral("appealLabel"));
    appealLabel->setFont(Design::font(9.75, true));
    appealLabel->setWordWrap(true);
    appealLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::makeTransparent(appealLabel);
    place(appealLabel, 120, 840, 6975, 1095);

    titleLabel = new QLabel(AppInfo::title(), window);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setFont(Design::font(18));
    titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::makeTransparent(titleLabel);
    place(titleLabel, 1080, 240, 4905, 435);

    Design::stackTopDown({downloadFrame, referFrame, exitButton, visitSiteButton, iconBox, appealLabel, titleLabel});
    Design::stackTopDown({catalogueLink, otherProgramsText});
    Design::stackTopDown({yourMessageBox, friendNameBox, friendEmailBox, yourEmailBox, referButton, yourNameBox});

    Design::chainTabOrder({exitButton, visitSiteButton, yourNameBox, referButton, yourEmailBox, friendEmailBox,
                           friendNameBox, yourMessageBox});

    Design::centreOnScreen(window);
}

QString textBoxText(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString promotionalMessage(int n)
{
    switch (n) {
    case 0:
        return QCoreApplication::translate(
            "ExitScreen",
            "Please help us to maintain and develop our free programs: just visit our discussion "
            "web site %1/forum regularly and take part in the discussions. Your "
            "visits and your posts will keep all of our programs alive.")
            .arg(Design::siteCaption());
    case 1:
        return QCoreApplication::translate(
            "ExitScreen",
            "Help Quendrel Softwares maintain and develop this program! Visit our discussion web "
            "site %1/forum regularly and take part in the discussions. Each "
            "visit helps us keep on improving our software.")
            .arg(Design::siteCaption());
    case 2:
        return QCoreApplication::translate(
            "ExitScreen",
            "You can help us maintain and develop our programs simply by visiting our discussion "
            "web site, %1/forum, on a regular basis. Thank you so much!")
            .arg(Design::siteCaption());
    case 3:
        return QCoreApplication::translate(
            "ExitScreen",
            "Enjoyed this program? Help us maintain and develop it further: visit our discussion "
            "web site %1/forum regularly and take part in the discussions. "
            "Thank you for your kind support!")
            .arg(Design::siteCaption());
    default:
        return QString();
    }
}

} // namespace Ui

#include "ui/layouts/exit_screen_layout.h"

#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/symbol_pictures.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

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
    return QStringLiteral(
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

void frmNagScreen2::setupUi(QWidget *window)
{
    window->setObjectName(QStringLiteral("frmNagScreen2"));
    window->setWindowTitle(QStringLiteral("Corvella v1.50"));
    // Fixed single border: a close box, but neither minimise nor maximise.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(Design::px(11115), Design::px(4725));
    // The design's MS Sans Serif 8.25 maps to the design family.
    window->setFont(Design::font(8.25));
    window->setWindowIcon(programIcon());
    Design::setBackground(window, Qt::white);

    // The navy column on the right: the maker's other programs.
    Frame6 = makeNavyFrame(window, "Frame6", QStringLiteral("Download Quendrel Softwares"));
    place(Frame6, 7320, 120, 3735, 4575);

    lblGoToHome = new LinkLabel(Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setText(QStringLiteral("Click Here To Visit Quendrel Softwares"));
    lblGoToHome->setFont(Design::font(9, true, true));
    Design::setForeground(lblGoToHome, QColor(255, 255, 0));
    Design::makeTransparent(lblGoToHome);
    place(lblGoToHome, 75, 4250, 3585, 210);
    condenseToFit(lblGoToHome, lblGoToHome->text());

    Label3 = new QLabel(appealOfOtherPrograms(), Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(Design::font(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::setForeground(Label3, Qt::white);
    Design::makeTransparent(Label3);
    place(Label3, 120, 360, 3495, 3855);

    // The refer-a-friend form along the bottom.
    Frame2 = makeNavyFrame(window, "Frame2", QStringLiteral("Refer A Friend"));
    place(Frame2, 120, 3240, 7065, 1455);

    // Below the frame's bottom edge and outside the client area: never seen,
    // but it keeps its design text and its place in the tab order.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setFont(window->font());
    txtMessage->setPlainText(QStringLiteral("Your Message\r\n"));
    Design::setBackground(txtMessage, Qt::white);
    Design::setForeground(txtMessage, Qt::black);
    // Tab moves on to the next control, as in any text box of the program.
    txtMessage->setTabChangesFocus(true);
    txtMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
    txtMessage->setLineWidth(1);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(txtMessage, 4800, 3600, 1815, 495);

    txtFriendName = makeTextBox(Frame2, "txtFriendName", QStringLiteral("Friend's Name"));
    place(txtFriendName, 85, 720, 3375, 285);
    txtFriendEmail =
        makeTextBox(Frame2, "txtFriendEmail", QStringLiteral("Friend's Email Address"));
    place(txtFriendEmail, 3600, 720, 3375, 285);
    txtEmail = makeTextBox(Frame2, "txtEmail", QStringLiteral("Your Email Address"));
    place(txtEmail, 3600, 360, 3375, 285);

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(Design::font(8.25, true));
    Design::setForeground(cmdSubmit, Qt::black);
    place(cmdSubmit, 1920, 1080, 3375, 285);

    txtName = makeTextBox(Frame2, "txtName", QStringLiteral("Your Name"));
    place(txtName, 85, 360, 3375, 285);

    cmdClose = new QPushButton(QStringLiteral("E&xit"), window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    place(cmdClose, 6000, 2760, 1245, 375);

    // A check box drawn as a push button that stays down while ticked.
    Check1 = new QPushButton(QStringLiteral("Click Here To Visit www.quendrel.example Now"), window);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setCheckable(true);
    Check1->setFont(Design::font(14.25));
    Check1->setCursor(Qt::PointingHandCursor);
    Design::setForeground(Check1, QColor(0, 0, 192));
    place(Check1, 30, 2040, 7185, 555);

    // The icon at the top-left corner of a larger box without border.
    Picture1 = new PictureBox(window);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPicture(programIconPicture());
    place(Picture1, 360, 120, 540, 540);

    // Replaced by one of the four messages when the screen loads.
    Label2 = new QLabel(PromotionalMessage(1), window);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(Design::font(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::makeTransparent(Label2);
    place(Label2, 120, 840, 6975, 1095);

    Label1 = new QLabel(QStringLiteral("Corvella v1.50"), window);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Design::font(18));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Design::makeTransparent(Label1);
    place(Label1, 1080, 240, 4905, 435);

    Design::stackTopDown({Frame6, Frame2, cmdClose, Check1, Picture1, Label2, Label1});
    Design::stackTopDown({lblGoToHome, Label3});
    Design::stackTopDown({txtMessage, txtFriendName, txtFriendEmail, txtEmail, cmdSubmit, txtName});

    Design::chainTabOrder({cmdClose, Check1, txtName, cmdSubmit, txtEmail, txtFriendEmail,
                           txtFriendName, txtMessage});

    Design::centreOnScreen(window);
}

QString TextBoxText(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString PromotionalMessage(int n)
{
    switch (n) {
    case 0:
        return QStringLiteral(
            "Please help us to maintain and develop our free programs: just visit our discussion "
            "web site www.quendrel.example/forum regularly and take part in the discussions. Your "
            "visits and your posts will keep all of our programs alive.");
    case 1:
        return QStringLiteral(
            "Help Quendrel Softwares maintain and develop this program! Visit our discussion web "
            "site www.quendrel.example/forum regularly and take part in the discussions. Each "
            "visit helps us keep on improving our software.");
    case 2:
        return QStringLiteral(
            "You can help us maintain and develop our programs simply by visiting our discussion "
            "web site, www.quendrel.example/forum, on a regular basis. Thank you so much!");
    case 3:
        return QStringLiteral(
            "Enjoyed this program? Help us maintain and develop it further: visit our discussion "
            "web site www.quendrel.example/forum regularly and take part in the discussions. "
            "Thank you for your kind support!");
    default:
        return QString();
    }
}

} // namespace Ui

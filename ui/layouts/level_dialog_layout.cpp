#include "ui/layouts/level_dialog_layout.h"

#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/widgets/link_label.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Design::place;

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

// A frame without caption; flat ones have a plain single-line border.
QFrame *makeFrame(QWidget *parent, const char *name, bool flat)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(flat ? QFrame::Plain : QFrame::Sunken);
    frame->setLineWidth(1);
    return frame;
}

// One of the two promotional labels that share their place in fraFullBrand.
LinkLabel *makeBrandLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new LinkLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(caption);
    label->setFont(Design::font(8.25, true, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    Design::setBackground(label, buttonFace());
    Design::setForeground(label, QColor(0, 0, 255));
    place(label, 120, 120, 4785, 855);
    return label;
}

QRadioButton *makeOption(QWidget *parent, const char *name, const QString &caption, int top)
{
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    option->setFont(Design::font(8.25, true));
    Design::setBackground(option, Design::panelPink);
    // A button fills its background from the button role.
    QPalette palette = option->palette();
    palette.setColor(QPalette::Button, Design::panelPink);
    option->setPalette(palette);
    place(option, 1320, top, 1935, 375);
    return option;
}

QPushButton *makeOkButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(QStringLiteral("&OK"), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Design::font(8.25, true));
    Design::makeGreyButton(button);
    return button;
}

} // namespace

namespace Ui {

void frmSelectOption::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("frmSelectOption"));
    dialog->setWindowTitle(QStringLiteral("Corvella v1.50"));
    // Fixed single border: a close box, but neither minimise nor maximise.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(Design::px(5070), Design::px(4935));
    dialog->setFont(Design::font(8.25));
    Design::setBackground(dialog, Design::dialogPink);

    // The promotional band at the bottom.
    fraFullBrand = makeFrame(dialog, "fraFullBrand", false);
    Design::setBackground(fraFullBrand, buttonFace());
    place(fraFullBrand, 0, 3840, 5055, 1095);
    lblFullBrand = makeBrandLabel(fraFullBrand, "lblFullBrand", Design::FullBrandCaption());
    lblCobrand = makeBrandLabel(fraFullBrand, "lblCobrand", Design::CoBrandCaption());

    // The forum banner at the top.
    Frame3 = makeFrame(dialog, "Frame3", true);
    Design::setBackground(Frame3, Qt::black);
    place(Frame3, 0, 0, 5055, 855);
    Label61 = new LinkLabel(Frame3);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setText(Design::ForumPromotion());
    Label61->setFont(Design::font(8.25, true, true));
    Label61->setAlignment(Qt::AlignCenter);
    Label61->setWordWrap(true);
    Design::setForeground(Label61, Design::magenta);
    Design::makeTransparent(Label61);
    place(Label61, 120, 135, 4920, 585);

    // The level choice; it lies over the score view, which has the same place.
    fraSelectoption = makeFrame(dialog, "fraSelectoption", true);
    Design::setBackground(fraSelectoption, Design::dialogPink);
    place(fraSelectoption, 0, 840, 5055, 2895);

    Frame2 = new QGroupBox(QStringLiteral("Select an Option"), fraSelectoption);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(Design::font(8.25, true));
    Design::setBackground(Frame2, Design::panelPink);
    place(Frame2, 360, 720, 4335, 1455);
    // Siblings in one group box: Qt makes them one exclusive group.
    optExpert = makeOption(Frame2, "optExpert", QStringLiteral("Expert"), 960);
    optIntermediate = makeOption(Frame2, "optIntermediate", QStringLiteral("Intermediate"), 600);
    optBeginner = makeOption(Frame2, "optBeginner", QStringLiteral("Beginner"), 240);
    optBeginner->setChecked(true);

    cmdOk = makeOkButton(fraSelectoption, "cmdOk");
    place(cmdOk, 360, 2280, 4335, 495);

    Label1 = new QLabel(
        QStringLiteral("Improve your Psychic Abilities by taking the Corvella Software"),
        fraSelectoption);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Design::font(8.25, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Design::makeTransparent(Label1);
    place(Label1, 360, 240, 4335, 375);

    // The score view.
    fraScore = new QGroupBox(QStringLiteral("Score"), dialog);
    fraScore->setObjectName(QStringLiteral("fraScore"));
    fraScore->setFont(Design::font(8.25, true));
    Design::setBackground(fraScore, Design::dialogPink);
    // Flat: a plain single-line border that the caption interrupts.
    fraScore->setStyleSheet(QStringLiteral(
        "QGroupBox#fraScore { border: 1px solid black; margin-top: 6px; }"
        "QGroupBox#fraScore::title { subcontrol-origin: margin; left: 6px; padding: 0 1px;"
        " background-color: %1; }")
                                .arg(Design::dialogPink.name()));
    place(fraScore, 0, 840, 5055, 2895);

    cmdOkScore = makeOkButton(fraScore, "cmdOkScore");
    place(cmdOkScore, 40, 2280, 4935, 495);

    txtTotalScore = new QPlainTextEdit(fraScore);
    txtTotalScore->setObjectName(QStringLiteral("txtTotalScore"));
    txtTotalScore->setFont(Design::font(8.25, true));
    // Tab moves on to the next control, as in any text box of the program.
    txtTotalScore->setTabChangesFocus(true);
    txtTotalScore->setFrameStyle(QFrame::Box | QFrame::Plain);
    txtTotalScore->setLineWidth(1);
    txtTotalScore->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Design::setBackground(txtTotalScore, Design::panelPink);
    place(txtTotalScore, 0, 240, 5055, 1935);

    Design::stackTopDown({fraFullBrand, Frame3, fraSelectoption, fraScore});
    Design::stackTopDown({lblFullBrand, lblCobrand});
    Design::stackTopDown({Frame2, cmdOk, Label1});
    Design::stackTopDown({optExpert, optIntermediate, optBeginner});
    Design::stackTopDown({cmdOkScore, txtTotalScore});

    Design::chainTabOrder(
        {cmdOk, optBeginner, optIntermediate, optExpert, txtTotalScore, cmdOkScore});

    Design::centreOnScreen(dialog);
}

} // namespace Ui

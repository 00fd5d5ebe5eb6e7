#include "ui/layouts/level_dialog_layout.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/placement.h"
#include "ui/widgets/link_button.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

using Design::place;

QColor buttonFace()
{
    return Design::designPalette().color(QPalette::Button);
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

// One of the two promotional links, pages of the stack that holds their
// place in brandBar.
LinkButton *makeBrandLink(QStackedWidget *stack, const char *name, const QString &caption)
{
    auto *link = new LinkButton(stack);
    link->setObjectName(QLatin1String(name));
    link->setText(caption);
    link->setFont(Design::font(8.25, true, true));
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    Design::setBackground(link, buttonFace());
    Design::setForeground(link, QColor(0, 0, 255));
    Design::addPage(stack, link);
    return link;
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
    auto *button = new QPushButton(QCoreApplication::translate("LevelDialog", "&OK"), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Design::font(8.25, true));
    Design::makeGreyButton(button);
    return button;
}

} // namespace

namespace Ui {

void LevelDialog::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("levelDialog"));
    // Designed colours, whatever palette the desktop gives the program.
    Design::useDesignPalette(dialog);
    dialog->setWindowTitle(AppInfo::title());
    // Fixed single border: a close box, but neither minimise nor maximise.
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(Design::px(5070), Design::px(4935));
    dialog->setFont(Design::font(8.25));
    Design::setBackground(dialog, Design::dialogPink);

    // The promotional band at the bottom.
    brandBar = makeFrame(dialog, "brandBar", false);
    Design::setBackground(brandBar, buttonFace());
    place(brandBar, 0, 3840, 5055, 1095);
    brandStack = new QStackedWidget(brandBar);
    brandStack->setObjectName(QStringLiteral("brandStack"));
    place(brandStack, 120, 120, 4785, 855);
    fullBrandLink = makeBrandLink(brandStack, "fullBrandLink", Design::fullBrandCaption());
    coBrandLink = makeBrandLink(brandStack, "coBrandLink", Design::coBrandCaption());

    // The forum banner at the top.
    forumBanner = makeFrame(dialog, "forumBanner", true);
    Design::setBackground(forumBanner, Qt::black);
    place(forumBanner, 0, 0, 5055, 855);
    forumLink = new LinkButton(forumBanner);
    forumLink->setObjectName(QStringLiteral("forumLink"));
    forumLink->setText(Design::forumPromotion());
    forumLink->setFont(Design::font(8.25, true, true));
    forumLink->setAlignment(Qt::AlignCenter);
    forumLink->setWordWrap(true);
    Design::setForeground(forumLink, Design::magenta);
    Design::makeTransparent(forumLink);
    place(forumLink, 120, 135, 4920, 585);

    // The level choice and the score view share one place, which lies over
    // the forum banner's lower edge.
    pageStack = new QStackedWidget(dialog);
    pageStack->setObjectName(QStringLiteral("pageStack"));
    place(pageStack, 0, 840, 5055, 2895);

    levelPanel = makeFrame(pageStack, "levelPanel", true);
    Design::setBackground(levelPanel, Design::dialogPink);
    Design::addPage(pageStack, levelPanel);

    // The caption is measured when set: set in its own font only, the
    // dialog's plain font, which no control shows, needs no font engine.
    levelGroup = new QGroupBox(levelPanel);
    levelGroup->setObjectName(QStringLiteral("levelGroup"));
    levelGroup->setFont(Design::font(8.25, true));
    levelGroup->setTitle(tr("Select an Option"));
    Design::setBackground(levelGroup, Design::panelPink);
    place(levelGroup, 360, 720, 4335, 1455);
    // Siblings in one group box: Qt makes them one exclusive group.
    expertOption = makeOption(levelGroup, "expertOption", tr("Expert"), 960);
    intermediateOption = makeOption(levelGroup, "intermediateOption", tr("Intermediate"), 600);
    beginnerOption = makeOption(levelGroup, "beginnerOption", tr("Beginner"), 240);
    beginnerOption->setChecked(true);

    okButton = makeOkButton(levelPanel, "okButton");
    place(okButton, 360, 2280, 4335, 495);

    invitationLabel = new QLabel(
        tr("Improve your Psychic Abilities by taking the %1 Software").arg(AppInfo::name()),
        levelPanel);
    invitationLabel->setObjectName(QStringLiteral("invitationLabel"));
    invitationLabel->setFont(Design::font(8.25, true));
    invitationLabel->setAlignment(Qt::AlignCenter);
    invitationLabel->setWordWrap(true);
    Design::makeTransparent(invitationLabel);
    place(invitationLabel, 360, 240, 4335, 375);

    // The score view's page is built when first shown (buildScorePage()).

    Design::stackTopDown({brandBar, pageStack, forumBanner});
    Design::stackTopDown({levelGroup, okButton, invitationLabel});
    Design::stackTopDown({expertOption, intermediateOption, beginnerOption});

    Design::chainTabOrder({okButton, beginnerOption, intermediateOption, expertOption});

    Design::centreOnScreen(dialog);
}

bool LevelDialog::buildScorePage()
{
    if (scorePage)
        return false;
    // The score view lies on a page framed as the level choice is: above and
    // beside its caption the frame's top edge shows.
    scorePage = makeFrame(pageStack, "scorePage", true);
    Design::setBackground(scorePage, Design::dialogPink);
    Design::addPage(pageStack, scorePage);

    scorePanel = new QGroupBox(scorePage);
    scorePanel->setObjectName(QStringLiteral("scorePanel"));
    scorePanel->setFont(Design::font(8.25, true));
    scorePanel->setTitle(tr("Score"));
    Design::setBackground(scorePanel, Design::dialogPink);
    // Flat: a plain single-line border that the caption interrupts. A style
    // sheet takes its text colour from the desktop, so the caption's and the
    // score's (the text box inside takes the sheet too) are named.
    scorePanel->setStyleSheet(QStringLiteral(
        "QGroupBox#scorePanel { color: %2; border: 1px solid black; margin-top: 6px; }"
        "QGroupBox#scorePanel::title { subcontrol-origin: margin; left: 6px; padding: 0 1px;"
        " background-color: %1; }"
        "QPlainTextEdit#scoreBox { color: %2; }")
                                .arg(Design::dialogPink.name(),
                                     Design::designPalette().color(QPalette::WindowText).name()));
    place(scorePanel, 0, 0, 5055, 2895);

    scoreOkButton = makeOkButton(scorePanel, "scoreOkButton");
    place(scoreOkButton, 40, 2280, 4935, 495);

    scoreBox = new QPlainTextEdit(scorePanel);
    scoreBox->setObjectName(QStringLiteral("scoreBox"));
    scoreBox->setFont(Design::font(8.25, true));
    // Tab moves on to the next control, as in any text box of the program.
    scoreBox->setTabChangesFocus(true);
    scoreBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    scoreBox->setLineWidth(1);
    scoreBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Design::setBackground(scoreBox, Design::panelPink);
    place(scoreBox, 0, 240, 5055, 1935);

    Design::stackTopDown({scoreOkButton, scoreBox});
    Design::chainTabOrder(
        {okButton, beginnerOption, intermediateOption, expertOption, scoreBox, scoreOkButton});
    return true;
}

} // namespace Ui

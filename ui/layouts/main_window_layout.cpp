#include "ui/layouts/main_window_layout.h"

#include "services/app_info.h"
#include "ui/layouts/design.h"
#include "ui/layouts/level_panel_design.h"
#include "ui/layouts/placement.h"
#include "ui/symbol_names.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>

namespace {

// The client area as drawn: 9495 x 7215 twips.
constexpr int clientWidthTwips = 9495;
constexpr int clientHeightTwips = 7215;

// The rectangle between the banner and the bottom bar that coverPanel and the
// three level panels share, pages of panelStack.
constexpr int panelLeft = 0;
constexpr int panelTop = 600;
constexpr int panelWidth = 9495;
constexpr int panelHeight = 5655;

QColor buttonFace()
{
    return Design::designPalette().color(QPalette::Button);
}

QColor windowBackground()
{
    return Design::designPalette().color(QPalette::Base);
}

// A flat frame: plain single-line border, no caption.
QFrame *flatFrame(QWidget *parent, const char *name, const QColor &background)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    Design::setBackground(frame, background);
    return frame;
}

// A "Result" frame: three-dimensional border with its caption in 8.25 bold.
QGroupBox *resultFrame(QWidget *parent, const char *name)
{
    // The caption is measured when set: in its own font only.
    auto *frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(Design::font(8.25, true));
    frame->setTitle(QCoreApplication::translate("MainWindow", "Result"));
    Design::setBackground(frame, Design::panelPink);
    return frame;
}

// The "Result" frame's look, given when its panel is first shown: a style
// sheet costs start-up time, and the panels are hidden at start.
void styleResultFrame(QGroupBox *frame)
{
    // An etched line with the caption set into it at the top left; the
    // style's own group box would tint the pink inside.
    // A style sheet takes its text colour from the desktop's palette, not the
    // window's, so the caption's colour is named here too.
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: %1; color: %2; border: 2px groove #a0a0a0; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " padding: 0px 2px; background-color: %1; }")
                             .arg(Design::panelPink.name(),
                                  Design::designPalette().color(QPalette::WindowText).name()));
}

// Labels wrap within their width, as the design's labels do; '&' is shown as is.
QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new QLabel(parent);
    result->setObjectName(QLatin1String(name));
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setText(caption);
    return result;
}

// A link wraps its text as a label does.
LinkButton *link(QWidget *parent, const char *name, const QString &caption, Qt::Alignment alignment)
{
    auto *result = new LinkButton(parent);
    result->setObjectName(QLatin1String(name));
    result->setWordWrap(true);
    result->setAlignment(alignment);
    result->setText(caption);
    return result;
}

QLabel *hintLabel(QWidget *panel, const char *name)
{
    QLabel *hint = label(panel, name, QCoreApplication::translate("MainWindow", "Think Deeply and Click On a Symbol"));
    hint->setFont(Design::font(8.25, true));
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Design::makeTransparent(hint);
    return hint;
}

// One of the two branding offers, pages of the stack that holds their place.
LinkButton *brandingLink(QStackedWidget *stack, const char *name, const QString &caption)
{
    LinkButton *offer = link(stack, name, caption, Qt::AlignHCenter | Qt::AlignTop);
    offer->setFont(Design::font(8.25, true, true));
    Design::setBackground(offer, buttonFace());
    Design::setForeground(offer, QColor(0, 0, 255));
    Design::addPage(stack, offer);
    return offer;
}

QPushButton *greyButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Design::font(8.25, true));
    button->setAutoDefault(false);
    return button;
}

QPushButton *scoreButton(QWidget *panel, const char *name, int left, int width)
{
    QPushButton *button = greyButton(panel, name, QCoreApplication::translate("MainWindow", "&Score"));
    Design::place(button, left, 5040, width, 495);
    return button;
}

void place(QWidget *widget, const Design::Place &where)
{
    Design::place(widget, where.left, where.top, where.width, where.height);
}

// A picture box without border on the window-background colour, at its
// designed size until its picture is set: it then takes the size of its
// picture.
PictureBox *pictureBox(QWidget *parent, const QString &name, const Design::Place &where)
{
    auto *box = new PictureBox(parent);
    box->setObjectName(name);
    Design::setBackground(box, windowBackground());
    place(box, where);
    return box;
}

// The choice picture at a 0-based position, at its designed size until its
// picture is set: like a picture box it then takes the size of its picture.
PictureButton *choicePicture(QWidget *panel, const char *name, int position, const Design::Place &where)
{
    auto *choice = new PictureButton(panel);
    choice->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(position));
    Design::setBackground(choice, windowBackground());
    place(choice, where);
    return choice;
}

// The cover or a level panel, a page of the panel stack.
QFrame *addPanel(QStackedWidget *stack, const char *name)
{
    QFrame *panel = flatFrame(stack, name, Design::panelPink);
    Design::addPage(stack, panel);
    return panel;
}

QByteArray controlName(const char *level, const char *role)
{
    return QByteArray(level) + role;
}

// Builds a level panel's controls from its design, in the design's stacking
// order: the score button on top, then the "Result" frame, then the choice
// pictures; the hint label, drawn on the panel's own surface, beneath them
// all. The pictures and the style sheets come when the level is first
// shown (prepareLevelPanel()). Screen readers name
// each choice picture after the symbol that it shows; the result picture
// takes the focus by Tab, so that a screen reader can tell which symbol it
// shows.
template<std::size_t N>
void buildPanelControls(QFrame *panel, const Design::LevelPanelDesign<N> &design, Level level, QPushButton *&score,
                     QGroupBox *&resultFrameBox, PictureBox *&result, QLabel *&hint,
                     std::array<PictureButton *, N> &choices)
{
    score = scoreButton(panel, controlName(design.level, "ScoreButton").constData(), design.scoreLeft,
                        design.scoreWidth);
    resultFrameBox = resultFrame(panel, controlName(design.level, "ResultFrame").constData());
    place(resultFrameBox, design.resultFrame);
    result = pictureBox(resultFrameBox, QLatin1String(controlName(design.level, "Result")), design.result);
    hint = hintLabel(panel, controlName(design.level, "Hint").constData());
    place(hint, design.hint);
    const QByteArray choiceName = controlName(design.level, "Choice");
    for (std::size_t i = 0; i < N; ++i) {
        choices[i] = choicePicture(panel, choiceName.constData(), int(i), design.choices[i]);
        choices[i]->setAccessibleName(symbolName(level, int(i) + 1));
    }

    hint->lower();
    for (auto it = choices.rbegin(); it != choices.rend(); ++it)
        (*it)->raise();
    resultFrameBox->raise();
    score->raise();

    result->setFocusPolicy(Qt::TabFocus);
    result->setAccessibleName(restingPictureName());
}

} // namespace

namespace Ui {

void MainWindow::setupUi(QMainWindow *window)
{
    // Pictures are drawn from the variant for the screen's scale, and decoded
    // when a level panel is first shown: the cover hides them all at start.
    pictures = SymbolPictures::load(window->devicePixelRatio());

    window->setObjectName(QStringLiteral("mainWindow"));
    // Designed colours, whatever palette the desktop gives the program.
    Design::useDesignPalette(window);
    window->setWindowTitle(AppInfo::title());
    // Fixed single border: close box and system menu, no minimise or maximise.
    // X11 window managers heed the button hints only on a customised frame.
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    QPalette windowPalette = window->palette();
    windowPalette.setColor(QPalette::Window, buttonFace());
    window->setPalette(windowPalette);

    clientArea = new QWidget(window);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFont(Design::font(8.25));
    clientArea->setFixedSize(Design::px(clientWidthTwips), Design::px(clientHeightTwips));
    window->setCentralWidget(clientArea);

    // Top-level controls are created from the bottom of the stacking order
    // up, so that each new one covers those before it.
    // The outcome of a guess is kept here and never shown, nor read out.
    outcomeLabel = label(clientArea, "outcomeLabel", QString());
    Design::place(outcomeLabel, 6360, 7080, 1695, 375);
    outcomeLabel->hide();

    panelStack = new QStackedWidget(clientArea);
    panelStack->setObjectName(QStringLiteral("panelStack"));
    Design::place(panelStack, panelLeft, panelTop, panelWidth, panelHeight);
    // The level panels join the stack when first needed (buildLevelPanel()).
    coverPanel = addPanel(panelStack, "coverPanel");
    // The start of the design's tab chain, never shown: the window's first
    // focus, and a Tab with none, go to the first shown control in the chain,
    // which must not depend on when each level panel was built.
    m_tabChainStart = new QWidget(clientArea);
    m_tabChainStart->setFocusPolicy(Qt::TabFocus);
    m_tabChainStart->hide();

    // Bottom bar. The picture lists it holds in the design have no presence.
    bottomBar = flatFrame(clientArea, "bottomBar", Qt::black);
    Design::place(bottomBar, 0, 6240, 9495, 975);
    brandStack = new QStackedWidget(bottomBar);
    brandStack->setObjectName(QStringLiteral("brandStack"));
    Design::place(brandStack, 120, 240, 6945, 615);
    coBrandLink = brandingLink(brandStack, "coBrandLink", Design::coBrandCaption());
    fullBrandLink = brandingLink(brandStack, "fullBrandLink", Design::fullBrandCaption());
    backButton = greyButton(bottomBar, "backButton", tr("&Back"));
    Design::place(backButton, 7200, 280, 1095, 375);
    Design::makeGreyButton(backButton);
    exitButton = greyButton(bottomBar, "exitButton", tr("&Exit"));
    Design::place(exitButton, 8400, 280, 975, 375);
    Design::makeGreyButton(exitButton);

    // Top banner: the forum promotion reaches below the banner and is clipped.
    forumBanner = flatFrame(clientArea, "forumBanner", Qt::black);
    Design::place(forumBanner, 0, 0, 9495, 615);
    forumLink = link(forumBanner, "forumLink", Design::forumPromotion(), Qt::AlignHCenter | Qt::AlignTop);
    forumLink->setFont(Design::font(9, true, true));
    Design::setForeground(forumLink, Design::magenta);
    Design::makeTransparent(forumLink);
    Design::place(forumLink, 120, 135, 9240, 585);

    // Wait panel, on top of everything while the guess flow shows it.
    waitPanel = new QFrame(clientArea);
    waitPanel->setObjectName(QStringLiteral("waitPanel"));
    Design::setBackground(waitPanel, Qt::black);
    Design::place(waitPanel, 1860, 1440, 5775, 840);
    waitTitle = label(waitPanel, "waitTitle", tr("Please Wait ..."));
    waitTitle->setFont(Design::font(14.25, true));
    Design::setBackground(waitTitle, Qt::black);
    Design::setForeground(waitTitle, Design::magenta);
    Design::place(waitTitle, 60, 60, 5175, 465);
    // 30 twips wider than the panel: its magenta band fills the panel's lower part.
    waitMessage = label(waitPanel, "waitMessage",
                        tr("%1 is generating the Result for You.......").arg(AppInfo::name()));
    waitMessage->setFont(Design::font(9.75));
    Design::setBackground(waitMessage, Design::magenta);
    Design::setForeground(waitMessage, Qt::black);
    Design::place(waitMessage, 0, 525, 5805, 360);
    waitPanel->hide();

    setupMenu(window);

    for (LinkButton *offer : {forumLink, coBrandLink, fullBrandLink})
        offer->setFocusPolicy(Qt::TabFocus);
    orderTabs();

    // The size is fixed once the menu bar has its height. The frame is not
    // known before the window is shown, so the window's inside is centred.
    const int menuHeight = window->menuBar()->heightForWidth(clientArea->width());
    window->setFixedSize(clientArea->width(), clientArea->height() + qMax(0, menuHeight));
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

void MainWindow::orderTabs()
{
    // The tab order of the design: choice pictures, result pictures and
    // buttons. The links, which the design leaves out, come last. Controls
    // of panels not yet built are left out; each panel, once built, takes
    // its place in the chain.
    QWidget *const tabOrder[]{
        beginnerChoices[0], beginnerChoices[2], beginnerChoices[3], beginnerChoices[1],
        intermediateChoices[0], intermediateChoices[2], intermediateChoices[3], intermediateChoices[1],
        intermediateChoices[4], intermediateChoices[5], intermediateChoices[6], intermediateChoices[7],
        expertChoices[0], expertChoices[2], expertChoices[3], expertChoices[1], expertChoices[4],
        expertChoices[5], expertChoices[6], expertChoices[7], expertChoices[8], expertChoices[9],
        beginnerResult, intermediateResult, expertResult,
        exitButton, backButton, beginnerChoices[4], beginnerScoreButton, intermediateScoreButton, expertScoreButton,
        forumLink, coBrandLink, fullBrandLink};
    QWidget *previous = m_tabChainStart;
    for (QWidget *widget : tabOrder) {
        if (!widget)
            continue;
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

bool MainWindow::buildLevelPanel(Level level)
{
    if (levelPanel(level))
        return false;
    // A page added to the stack stays behind the one in front.
    switch (level) {
    case Level::Beginner:
        beginnerPanel = addPanel(panelStack, "beginnerPanel");
        buildPanelControls(beginnerPanel, Design::beginnerDesign, level, beginnerScoreButton, beginnerResultFrame,
                           beginnerResult, beginnerHint, beginnerChoices);
        break;
    case Level::Intermediate:
        intermediatePanel = addPanel(panelStack, "intermediatePanel");
        buildPanelControls(intermediatePanel, Design::intermediateDesign, level, intermediateScoreButton,
                           intermediateResultFrame, intermediateResult, intermediateHint, intermediateChoices);
        break;
    case Level::Expert:
        expertPanel = addPanel(panelStack, "expertPanel");
        buildPanelControls(expertPanel, Design::expertDesign, level, expertScoreButton, expertResultFrame,
                           expertResult, expertHint, expertChoices);
        break;
    }
    orderTabs();
    return true;
}

} // namespace Ui

void Ui::MainWindow::prepareLevelPanel(Level level)
{
    Q_ASSERT(levelPanel(level));
    QPushButton *score = ofLevel(level, beginnerScoreButton, intermediateScoreButton, expertScoreButton);
    if (score->styleSheet().isEmpty()) {
        Design::makeGreyButton(score);
        styleResultFrame(ofLevel(level, beginnerResultFrame, intermediateResultFrame, expertResultFrame));
    }
    showLevelPictures(level);
}

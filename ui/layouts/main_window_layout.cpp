#include "ui/layouts/main_window_layout.h"

#include "ui/layouts/design.h"
#include "ui/symbol_names.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// The client area as drawn: 9495 x 7215 twips.
constexpr int clientWidthTwips = 9495;
constexpr int clientHeightTwips = 7215;

// The rectangle between the banner and the bottom bar that raCover and the
// three level panels share.
constexpr int panelLeft = 0;
constexpr int panelTop = 600;
constexpr int panelWidth = 9495;
constexpr int panelHeight = 5655;

QColor buttonFace()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

QColor windowBackground()
{
    return QGuiApplication::palette().color(QPalette::Base);
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
    auto *frame = new QGroupBox(QStringLiteral("Result"), parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(Design::font(8.25, true));
    Design::setBackground(frame, Design::panelPink);
    // An etched line with the caption set into it at the top left; the
    // style's own group box would tint the pink inside.
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: %1; border: 2px groove #a0a0a0; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " padding: 0px 2px; background-color: %1; }")
                             .arg(Design::panelPink.name()));
    return frame;
}

// Labels wrap within their width, as the design's labels do; '&' is shown as is.
template<typename Label>
Label *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new Label(parent);
    result->setObjectName(QLatin1String(name));
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setText(caption);
    return result;
}

QLabel *hintLabel(QWidget *panel, const char *name)
{
    QLabel *hint = label<QLabel>(panel, name, QStringLiteral("Think Deeply and Click On a Symbol"));
    hint->setFont(Design::font(8.25, true));
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Design::makeTransparent(hint);
    return hint;
}

LinkLabel *brandingLabel(QWidget *bar, const char *name, const QString &caption)
{
    LinkLabel *link = label<LinkLabel>(bar, name, caption);
    link->setFont(Design::font(8.25, true, true));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Design::setBackground(link, buttonFace());
    Design::setForeground(link, QColor(0, 0, 255));
    Design::place(link, 120, 240, 6945, 615);
    return link;
}

QPushButton *greyButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Design::font(8.25, true));
    button->setAutoDefault(false);
    Design::makeGreyButton(button);
    return button;
}

QPushButton *scoreButton(QWidget *panel, const char *name, int left, int width)
{
    QPushButton *button = greyButton(panel, name, QStringLiteral("&Score"));
    Design::place(button, left, 5040, width, 495);
    return button;
}

// A picture box without border on the window-background colour; it takes
// the size of its picture. A missing picture leaves the box at its designed
// size, so that the panel keeps its shape.
PictureBox *pictureBox(QWidget *parent, const QString &name, const QPixmap &picture, int left, int top,
                       int width, int height)
{
    auto *box = new PictureBox(parent);
    box->setObjectName(name);
    Design::setBackground(box, windowBackground());
    Design::place(box, left, top, width, height);
    if (!picture.isNull())
        box->setPicture(picture);
    return box;
}

// Choice picture `array(index)` shows picture index + 1 of its level's list.
PictureBox *choicePicture(QWidget *panel, const char *array, int index, const ImageList &list,
                          int left, int top, int width, int height)
{
    PictureBox *box = pictureBox(panel, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index),
                                 list.ListImage(index + 1), left, top, width, height);
    box->setClickable(true);
    return box;
}

// Screen readers name each choice picture after the symbol that it shows.
template<std::size_t N>
void nameChoices(const std::array<PictureBox *, N> &choices, Level level)
{
    for (std::size_t i = 0; i < N; ++i)
        choices[i]->setAccessibleName(SymbolName(level, int(i) + 1));
}

// A result picture takes the focus by Tab, so that a screen reader can tell
// which symbol it shows.
void makeReadable(PictureBox *result)
{
    result->setFocusPolicy(Qt::TabFocus);
    result->setAccessibleName(RestingPictureName());
}

// Lays the panel's controls in the design's stacking order: the score button
// on top, then the "Result" frame, then the choice pictures; the hint label,
// drawn on the panel's own surface, beneath them all.
template<std::size_t N>
void stackPanel(QPushButton *score, QGroupBox *result, const std::array<PictureBox *, N> &choices, QLabel *hint)
{
    hint->lower();
    for (auto it = choices.rbegin(); it != choices.rend(); ++it)
        (*it)->raise();
    result->raise();
    score->raise();
}

} // namespace

namespace Ui {

void frmMain::setupUi(QMainWindow *window)
{
    pictures = SymbolPictures::load();
    const QPixmap resting = pictures.restingPicture();

    window->setObjectName(QStringLiteral("frmMain"));
    window->setWindowTitle(QStringLiteral("Corvella v1.50"));
    window->setWindowIcon(programIcon());
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
    lblScore = label<QLabel>(clientArea, "lblScore", QStringLiteral("lblScore"));
    Design::place(lblScore, 6360, 7080, 1695, 375);

    fraExpert = flatFrame(clientArea, "fraExpert", Design::panelPink);
    fraIntermediate = flatFrame(clientArea, "fraIntermediate", Design::panelPink);
    fraBeginner = flatFrame(clientArea, "fraBeginner", Design::panelPink);
    raCover = flatFrame(clientArea, "raCover", Design::panelPink);
    for (QFrame *panel : {fraExpert, fraIntermediate, fraBeginner, raCover})
        Design::place(panel, panelLeft, panelTop, panelWidth, panelHeight);

    // Beginner panel: a zigzag of five pictures under the hint.
    const ImageList &beginner = pictures.IMGBiggener;
    cmdScore = scoreButton(fraBeginner, "cmdScore", 360, 8655);
    Frame6 = resultFrame(fraBeginner, "Frame6");
    Design::place(Frame6, 3240, 120, 2895, 2055);
    picZenerSymbol = pictureBox(Frame6, QStringLiteral("picZenerSymbol"), resting, 720, 360, 1515, 1470);
    Label1 = hintLabel(fraBeginner, "Label1");
    Design::place(Label1, 3045, 2280, 3525, 195);
    cmdZener[0] = choicePicture(fraBeginner, "cmdZener", 0, beginner, 360, 3480, 1500, 1500);
    cmdZener[1] = choicePicture(fraBeginner, "cmdZener", 1, beginner, 2160, 2520, 1500, 1500);
    cmdZener[2] = choicePicture(fraBeginner, "cmdZener", 2, beginner, 3960, 3480, 1500, 1500);
    cmdZener[3] = choicePicture(fraBeginner, "cmdZener", 3, beginner, 5760, 2520, 1500, 1500);
    cmdZener[4] = choicePicture(fraBeginner, "cmdZener", 4, beginner, 7560, 3480, 1500, 1500);
    stackPanel(cmdScore, Frame6, cmdZener, Label1);
    nameChoices(cmdZener, Level::Beginner);
    makeReadable(picZenerSymbol);

    // Intermediate panel: the hint lies below the pictures.
    const ImageList &intermediate = pictures.IMGIntermediate;
    cmdIntermediateScore = scoreButton(fraIntermediate, "cmdIntermediateScore", 1680, 6255);
    Frame7 = resultFrame(fraIntermediate, "Frame7");
    Design::place(Frame7, 3308, 120, 2895, 2055);
    PicIntermediateResult =
        pictureBox(Frame7, QStringLiteral("PicIntermediateResult"), resting, 720, 360, 1515, 1470);
    Label2 = hintLabel(fraIntermediate, "Label2");
    Design::place(Label2, 3045, 4680, 3525, 195);
    PicIntermediate[0] = choicePicture(fraIntermediate, "PicIntermediate", 0, intermediate, 120, 2280, 1500, 1500);
    PicIntermediate[1] = choicePicture(fraIntermediate, "PicIntermediate", 1, intermediate, 1680, 1560, 1500, 1500);
    PicIntermediate[2] = choicePicture(fraIntermediate, "PicIntermediate", 2, intermediate, 6360, 1560, 1500, 1500);
    PicIntermediate[3] = choicePicture(fraIntermediate, "PicIntermediate", 3, intermediate, 7920, 2280, 1500, 1500);
    PicIntermediate[4] = choicePicture(fraIntermediate, "PicIntermediate", 4, intermediate, 1680, 3120, 1500, 1455);
    PicIntermediate[5] = choicePicture(fraIntermediate, "PicIntermediate", 5, intermediate, 3240, 3120, 1515, 1470);
    PicIntermediate[6] = choicePicture(fraIntermediate, "PicIntermediate", 6, intermediate, 4800, 3120, 1515, 1470);
    PicIntermediate[7] = choicePicture(fraIntermediate, "PicIntermediate", 7, intermediate, 6360, 3120, 1515, 1470);
    stackPanel(cmdIntermediateScore, Frame7, PicIntermediate, Label2);
    nameChoices(PicIntermediate, Level::Intermediate);
    makeReadable(PicIntermediateResult);

    // Expert panel: the shared symbols above, the Expert emblems below.
    const ImageList &expert = pictures.IMGExpert;
    cmdExpertScore = scoreButton(fraExpert, "cmdExpertScore", 120, 9255);
    Frame8 = resultFrame(fraExpert, "Frame8");
    Design::place(Frame8, 3548, 120, 2415, 1935);
    picExpertResult = pictureBox(Frame8, QStringLiteral("picExpertResult"), resting, 480, 240, 1515, 1470);
    Label3 = hintLabel(fraExpert, "Label3");
    Design::place(Label3, 2985, 4680, 3525, 195);
    picExpert[0] = choicePicture(fraExpert, "picExpert", 0, expert, 120, 1560, 1500, 1500);
    picExpert[1] = choicePicture(fraExpert, "picExpert", 1, expert, 1680, 1560, 1500, 1500);
    picExpert[2] = choicePicture(fraExpert, "picExpert", 2, expert, 6360, 1560, 1500, 1500);
    picExpert[3] = choicePicture(fraExpert, "picExpert", 3, expert, 7920, 1560, 1500, 1500);
    picExpert[4] = choicePicture(fraExpert, "picExpert", 4, expert, 120, 3120, 1530, 1455);
    picExpert[5] = choicePicture(fraExpert, "picExpert", 5, expert, 1680, 3120, 1515, 1470);
    picExpert[6] = choicePicture(fraExpert, "picExpert", 6, expert, 3240, 3120, 1530, 1470);
    picExpert[7] = choicePicture(fraExpert, "picExpert", 7, expert, 4800, 3120, 1515, 1470);
    picExpert[8] = choicePicture(fraExpert, "picExpert", 8, expert, 6360, 3120, 1515, 1470);
    picExpert[9] = choicePicture(fraExpert, "picExpert", 9, expert, 7920, 3120, 1515, 1470);
    stackPanel(cmdExpertScore, Frame8, picExpert, Label3);
    nameChoices(picExpert, Level::Expert);
    makeReadable(picExpertResult);

    // Bottom bar. The picture lists it holds in the design have no presence.
    Frame5 = flatFrame(clientArea, "Frame5", Qt::black);
    Design::place(Frame5, 0, 6240, 9495, 975);
    lblFullBrand = brandingLabel(Frame5, "lblFullBrand", Design::FullBrandCaption());
    lblCobrand = brandingLabel(Frame5, "lblCobrand", Design::CoBrandCaption());
    cmdBack = greyButton(Frame5, "cmdBack", QStringLiteral("&Back"));
    Design::place(cmdBack, 7200, 280, 1095, 375);
    cmdExit = greyButton(Frame5, "cmdExit", QStringLiteral("&Exit"));
    Design::place(cmdExit, 8400, 280, 975, 375);

    // Top banner: the forum promotion reaches below the banner and is clipped.
    Frame2 = flatFrame(clientArea, "Frame2", Qt::black);
    Design::place(Frame2, 0, 0, 9495, 615);
    Label61 = label<LinkLabel>(Frame2, "Label61", Design::ForumPromotion());
    Label61->setFont(Design::font(9, true, true));
    Label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Design::setForeground(Label61, Design::magenta);
    Design::makeTransparent(Label61);
    Design::place(Label61, 120, 135, 9240, 585);

    // Wait panel, on top of everything while the guess flow shows it.
    picMessage = pictureBox(clientArea, QStringLiteral("picMessage"), QPixmap(), 1860, 1440, 5775, 840);
    Design::setBackground(picMessage, Qt::black);
    Label7 = label<QLabel>(picMessage, "Label7", QStringLiteral("Please Wait ..."));
    Label7->setFont(Design::font(14.25, true));
    Design::setBackground(Label7, Qt::black);
    Design::setForeground(Label7, Design::magenta);
    Design::place(Label7, 60, 60, 5175, 465);
    // 30 twips wider than the panel: its magenta band fills the panel's lower part.
    Label6 = label<QLabel>(picMessage, "Label6",
                           QStringLiteral("Corvella is generating the Result for You......."));
    Label6->setFont(Design::font(9.75));
    Design::setBackground(Label6, Design::magenta);
    Design::setForeground(Label6, Qt::black);
    Design::place(Label6, 0, 525, 5805, 360);
    picMessage->hide();

    setupMenu(window);

    // The tab order of the design: choice pictures, result pictures and
    // buttons. The links, which the design leaves out, come last.
    for (LinkLabel *link : {Label61, lblCobrand, lblFullBrand})
        link->setFocusPolicy(Qt::TabFocus);
    const QList<QWidget *> tabOrder{
        cmdZener[0], cmdZener[2], cmdZener[3], cmdZener[1],
        PicIntermediate[0], PicIntermediate[2], PicIntermediate[3], PicIntermediate[1],
        PicIntermediate[4], PicIntermediate[5], PicIntermediate[6], PicIntermediate[7],
        picExpert[0], picExpert[2], picExpert[3], picExpert[1], picExpert[4],
        picExpert[5], picExpert[6], picExpert[7], picExpert[8], picExpert[9],
        picZenerSymbol, PicIntermediateResult, picExpertResult,
        cmdExit, cmdBack, cmdZener[4], cmdScore, cmdIntermediateScore, cmdExpertScore,
        Label61, lblCobrand, lblFullBrand};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    // The size is fixed once the menu bar has its height. The frame is not
    // known before the window is shown, so the window's inside is centred.
    const int menuHeight = window->menuBar()->heightForWidth(clientArea->width());
    window->setFixedSize(clientArea->width(), clientArea->height() + qMax(0, menuHeight));
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

void frmMain::setupMenu(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    auto entry = [](QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        // The shortcuts work from anywhere in the window.
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) {
        QAction *action = menu->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuScore = entry(mnuFile, "mnuScore", QStringLiteral("Score..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuDifficulty = entry(mnuFile, "mnuDifficulty", QStringLiteral("Level of Difficulty..."),
                          QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuExit = entry(mnuFile, "mnuExit", QStringLiteral("E&xit"));

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = entry(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
    mnuVisit = entry(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    mnuHelp1 = separator(mnuHelp, "mnuHelp1");
    mnuUpdate = entry(mnuHelp, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    mnuHelp2 = separator(mnuHelp, "mnuHelp2");
    mnuAbout = entry(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    // Entries of the menu bar itself act when clicked; they have no drop-down.
    mnuDonate = bar->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    mkmoney = bar->addAction(QStringLiteral("Make Money &Online"));
    mkmoney->setObjectName(QStringLiteral("mkmoney"));
    // Switched off in the design and never switched on: shown greyed out, so
    // the offer is visible but can't be chosen.
    mkmoney->setEnabled(false);
}

} // namespace Ui

PictureBox *Ui::frmMain::levelChoice(Level level, int position) const
{
    switch (level) {
    case Level::Intermediate:
        return PicIntermediate.at(std::size_t(position));
    case Level::Expert:
        return picExpert.at(std::size_t(position));
    case Level::Beginner:
        break;
    }
    return cmdZener.at(std::size_t(position));
}

PictureBox *Ui::frmMain::levelResult(Level level) const
{
    switch (level) {
    case Level::Intermediate:
        return PicIntermediateResult;
    case Level::Expert:
        return picExpertResult;
    case Level::Beginner:
        break;
    }
    return picZenerSymbol;
}

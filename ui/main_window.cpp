#include "ui/main_window.h"

#include "services/app_context.h"
#include "services/web_links.h"
#include "symboltest/symbol_test.h"
#include "ui/about_box.h"
#include "ui/core_texts.h"
#include "ui/exit_screen.h"
#include "ui/guess_flow.h"
#include "ui/layouts/main_window_looks.h"
#include "ui/layouts/placement.h"
#include "ui/level_dialog.h"
#include "ui/level_panel.h"
#include "ui/statistics_window.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"
#include "ui/window_registry.h"
#include "ui_main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

MainWindow::MainWindow(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_form(std::make_unique<Ui::MainWindow>())
    // Pictures are drawn from the variant for the screen's scale, and decoded
    // when a level panel is first shown: the cover hides them all at start.
    , m_pictures(SymbolPictures::load(devicePixelRatio()))
{
    m_ui.setupUi(this);
    Design::dressMainWindow(this, m_ui);
    m_guessFlow = new GuessFlow(context, this);
    connect(m_guessFlow, &GuessFlow::started, this, &MainWindow::showPause);
    connect(m_guessFlow, &GuessFlow::judged, this, &MainWindow::showJudged);
    connect(m_guessFlow, &GuessFlow::finished, this, &MainWindow::focusGuessedChoice);
    setAttribute(Qt::WA_DeleteOnClose);
    context.windows.add(this);
    connectControls();
    // The window opens with the keys on Exit, the first control of the
    // design's tab order; the level choice that opens over it at once hands
    // them on by the focus rule below (focusPanelInFront()).
    m_ui.exitButton->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

LevelPanel *MainWindow::levelPanel(Level level) const
{
    return m_levelPanels[std::size_t(levelIndex(level))];
}

LevelPanel *MainWindow::buildLevelPanel(Level level)
{
    // Start-up builds none: the cover hides them all until a level is chosen.
    LevelPanel *&panel = m_levelPanels[std::size_t(levelIndex(level))];
    if (panel)
        return panel;
    panel = new LevelPanel(level, m_pictures, m_ui.panelStack);
    // A page added to the stack stays behind the one in front.
    Design::addPage(m_ui.panelStack, panel);
    // The design's tab order goes round from the panel's choices and result
    // picture to the window's Exit and Back buttons, on to the rest of the
    // panel, and through the links back to the choices. The panel's part up
    // to its result picture follows the links, the rest follows Back; panels
    // behind take no focus, so each one can join the round at those places.
    const QList<QWidget *> stops = panel->tabStops();
    const qsizetype upToResult = stops.indexOf(panel->result()) + 1;
    const auto follow = [](QWidget *previous, const QList<QWidget *> &widgets) {
        for (QWidget *widget : widgets) {
            QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    };
    follow(m_ui.fullBrandLink, stops.first(upToResult));
    follow(m_ui.backButton, stops.sliced(upToResult));
    connect(panel, &LevelPanel::choiceClicked, this, &MainWindow::guess);
    connect(panel, &LevelPanel::scoreRequested, this, &MainWindow::showScore);
    return panel;
}

void MainWindow::prepareLevelPanel(Level level)
{
    for (LevelPanel *built : m_levelPanels) {
        if (built)
            built->restIfBlank();
    }
    levelPanel(level)->prepare();
}

void MainWindow::connectControls()
{
    connect(m_ui.scoreAction, &QAction::triggered, this, &MainWindow::showScore);
    connect(m_ui.statisticsAction, &QAction::triggered, this, [this] {
        if (!m_statisticsWindow)
            m_statisticsWindow = new StatisticsWindow(m_context.platform, m_context.windows, this);
        m_statisticsWindow->showUpToDate(m_context.history.get());
    });
    connect(m_ui.backButton, &QPushButton::clicked, this, &MainWindow::chooseLevel);
    connect(m_ui.levelAction, &QAction::triggered, this, &MainWindow::chooseLevel);
    connect(m_ui.exitButton, &QPushButton::clicked, this, &MainWindow::close);
    connect(m_ui.exitAction, &QAction::triggered, this, &MainWindow::close);
    connect(m_ui.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    const auto opens = [this](PageRole page) { return [this, page] { WebLinks(m_context.platform).open(page); }; };
    connect(m_ui.onlineHelpAction, &QAction::triggered, this, opens(PageRole::OnlineHelpPage));
    connect(m_ui.visitSiteAction, &QAction::triggered, this, opens(PageRole::HomePage));
    connect(m_ui.updateAction, &QAction::triggered, this, opens(PageRole::DownloadPage));
    connect(m_ui.donateAction, &QAction::triggered, this, opens(PageRole::DonationPage));
    connect(m_ui.makeMoneyAction, &QAction::triggered, this, opens(PageRole::FullBrandInfoPage));
    connect(m_ui.forumLink, &LinkButton::clicked, this, opens(PageRole::HomePage));
    connect(m_ui.coBrandLink, &LinkButton::clicked, this, opens(PageRole::CoBrandInfoPage));
    connect(m_ui.fullBrandLink, &LinkButton::clicked, this, opens(PageRole::FullBrandInfoPage));
}

LevelDialog *MainWindow::levelDialog()
{
    if (!m_levelDialog) {
        auto *dialog = new LevelDialog(m_context.platform, m_context.test, this);
        connect(dialog, &LevelDialog::levelChosen, this, &MainWindow::showLevel);
        connect(dialog, &QDialog::finished, this, [this, dialog] { levelDialogFinished(dialog); });
        m_levelDialog = dialog;
    }
    return m_levelDialog;
}

void MainWindow::levelDialogFinished(LevelDialog *dialog)
{
    // The score view's OK only hides the dialog, which is kept for the next
    // time; a dismissed one goes, and the next request makes a fresh one in
    // its design state.
    if (dialog->isDismissed()) {
        if (m_levelDialog == dialog)
            m_levelDialog = nullptr;
        dialog->deleteLater();
    }
    // However the level choice ended, the keys go on where the user plays.
    if (!dialog->isShowingScore())
        focusPanelInFront();
}

void MainWindow::showLevel(Level level)
{
    LevelPanel *panel = buildLevelPanel(level);
    if (panel == m_ui.panelStack->currentWidget())
        return;
    prepareLevelPanel(level);
    m_ui.panelStack->setCurrentWidget(panel);
}

void MainWindow::focusPanelInFront()
{
    // The first choice in tab order, found by walking the window's chain so
    // that the design's order decides, not the order of the controls.
    QWidget *front = m_ui.panelStack->currentWidget();
    for (QWidget *widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (front->isAncestorOf(widget) && qobject_cast<PictureButton *>(widget) && widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // The cover offers nothing to play: Back asks for a level again. Left
    // to itself the window would pick the first control of its chain, which
    // may be Exit, one Space away from ending the test.
    m_ui.backButton->setFocus(Qt::OtherFocusReason);
}

void MainWindow::focusGuessedChoice(Level level, std::int16_t position)
{
    // A guess made on a panel that has since gone behind leaves the focus
    // with the panel in front.
    LevelPanel *panel = levelPanel(level);
    if (m_ui.panelStack->currentWidget() == panel)
        panel->choice(position)->setFocus(Qt::OtherFocusReason);
    else
        focusPanelInFront();
}

void MainWindow::showPause()
{
    m_ui.outcomeLabel->setText(QString());
    m_ui.waitPanel->setVisible(true);
    m_ui.waitPanel->raise();
}

void MainWindow::showJudged(Level level, std::int16_t, std::int16_t drawn, Outcome outcome)
{
    levelPanel(level)->showDrawn(drawn);
    m_ui.outcomeLabel->setText(shownOutcomeText(outcome));
    m_ui.waitPanel->setVisible(false);
}

void MainWindow::showBanner(std::int16_t number)
{
    switch (number) {
    case 1:
    case 3:
    case 5:
        m_ui.brandStack->setCurrentWidget(m_ui.coBrandLink);
        break;
    case 2:
    case 4:
    case 6:
        m_ui.brandStack->setCurrentWidget(m_ui.fullBrandLink);
        break;
    default:
        // 7: the design's order stays.
        break;
    }
}

void MainWindow::openLevelDialog()
{
    LevelDialog *dialog = levelDialog();
    // Modal to the main window, and so to every window of the program: they
    // all belong to it. Its answer comes through finished().
    if (!dialog->isVisible())
        dialog->open();
}

void MainWindow::askForLevelIfNoneChosen()
{
    if (m_context.test.isLevelChosen())
        return;
    // Asked already: the open dialog is the question.
    if (m_levelDialog && m_levelDialog->isVisible())
        return;
    // A dialog kept hidden after a score view would otherwise come back
    // with the score in front and ask for nothing.
    if (m_levelDialog)
        m_levelDialog->showLevelChoice();
    openLevelDialog();
}

void MainWindow::guess(Level level, int position)
{
    // A guess shows the drawn symbol beside the choices: they have their
    // pictures by then, whether or not their panel was brought forward.
    buildLevelPanel(level);
    prepareLevelPanel(level);
    m_guessFlow->start(level, std::int16_t(position));
}

void MainWindow::showScore()
{
    levelDialog()->showScoreView();
    openLevelDialog();
}

void MainWindow::chooseLevel()
{
    levelDialog()->showLevelChoice();
    // A panel not yet built rests from the start.
    for (LevelPanel *panel : m_levelPanels) {
        if (panel)
            panel->rest();
    }
    openLevelDialog();
}

void MainWindow::showAbout()
{
    // One about box: asked for again, the open one comes forward.
    if (m_aboutBox && m_aboutBox->isVisible()) {
        m_aboutBox->raise();
        m_aboutBox->activateWindow();
        return;
    }
    // It destroys itself on closing (the pointer empties then), a moment
    // after it has gone from the screen.
    m_aboutBox = new AboutBox(m_context.platform, this);
    m_aboutBox->open();
}

bool MainWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &MainWindow::askForLevelIfNoneChosen);
    return handled;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A bare X server sends no activation: the first showing counts as one.
    if (!m_firstShowSeen) {
        m_firstShowSeen = true;
        QTimer::singleShot(0, this, &MainWindow::askForLevelIfNoneChosen);
        if (QWindow *window = windowHandle())
            window->installEventFilter(this);
        QTimer::singleShot(2000, this, &MainWindow::announceShownOnScreen);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        // Queued, so that the first frame is drawn before.
        QTimer::singleShot(0, this, &MainWindow::announceShownOnScreen);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::announceShownOnScreen()
{
    if (m_shownOnScreen)
        return;
    m_shownOnScreen = true;
    // The window system takes every size of the icon as pixels, and start-up
    // had no use for them.
    setWindowIcon(programIcon(devicePixelRatio()));
    emit shownOnScreen();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    showExitScreen();
    event->accept();
}

void MainWindow::showExitScreen()
{
    auto *exitScreen = new ExitScreen(m_context.platform, m_context.random, m_context.windows);
    emit exitScreenOpened(exitScreen);
    exitScreen->show();
}

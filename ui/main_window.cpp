#include "ui/main_window.h"

#include "services/app_context.h"
#include "services/web_links.h"
#include "services/window_registry.h"
#include "symboltest/score_report.h"
#include "symboltest/symbol_test.h"
#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/guess_flow.h"
#include "ui/level_dialog.h"
#include "ui/statistics_window.h"
#include "ui/symbol_names.h"
#include "ui/widgets/front_only_focus.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

MainWindow::MainWindow(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    m_ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    context.windows.add(this);
    connectControls();
    // Tab reaches only what lies in front: the chosen level's panel, the
    // banner label on top.
    new FrontOnlyFocus({m_ui.coverPanel, m_ui.beginnerPanel, m_ui.intermediatePanel, m_ui.expertPanel}, this);
    new FrontOnlyFocus({m_ui.coBrandLink, m_ui.fullBrandLink}, this);
    // The window has always started with the focus on the Beginner Score
    // button, which shows it once the Beginner panel is in front.
    m_ui.beginnerScoreButton->setFocus();
}

MainWindow::~MainWindow()
{
    delete m_levelDialog;
}

void MainWindow::connectControls()
{
    for (Level level : AllLevels) {
        for (int position = 0; position < symbolCount(level); ++position)
            connect(m_ui.levelChoice(level, position), &PictureBox::clicked, this,
                    [this, level, position] { guess(level, position); });
    }

    for (QPushButton *score : {m_ui.beginnerScoreButton, m_ui.intermediateScoreButton, m_ui.expertScoreButton})
        connect(score, &QPushButton::clicked, this, &MainWindow::showScore);
    connect(m_ui.scoreAction, &QAction::triggered, this, &MainWindow::showScore);
    connect(m_ui.statisticsAction, &QAction::triggered, this, [this] { StatisticsWindow::showFor(m_context, this); });
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
    connect(m_ui.forumLink, &LinkLabel::clicked, this, opens(PageRole::HomePage));
    connect(m_ui.coBrandLink, &LinkLabel::clicked, this, opens(PageRole::CoBrandInfoPage));
    connect(m_ui.fullBrandLink, &LinkLabel::clicked, this, opens(PageRole::FullBrandInfoPage));
}

LevelDialog *MainWindow::levelDialog()
{
    if (m_levelDialog && m_levelDialog->isDismissed())
        delete m_levelDialog;
    if (!m_levelDialog) {
        m_levelDialog = new LevelDialog(m_context);
        connect(m_levelDialog, &LevelDialog::levelChosen, this, &MainWindow::showLevel);
    }
    return m_levelDialog;
}

void MainWindow::showLevel(Level level)
{
    switch (level) {
    case Level::Beginner:
        m_ui.beginnerPanel->raise();
        break;
    case Level::Intermediate:
        m_ui.intermediatePanel->raise();
        break;
    case Level::Expert:
        m_ui.expertPanel->raise();
        break;
    }
}

void MainWindow::showBanner(std::int16_t number)
{
    switch (number) {
    case 1:
    case 3:
    case 5:
        m_ui.coBrandLink->raise();
        break;
    case 2:
    case 4:
    case 6:
        m_ui.fullBrandLink->raise();
        break;
    default:
        // 7: the design's order stays.
        break;
    }
}

void MainWindow::execLevelDialog()
{
    QPointer<LevelDialog> dialog = levelDialog();
    dialog->exec();
    // Dismissing hides the dialog; it is destroyed once its modal showing is over.
    if (dialog && dialog->isDismissed())
        delete dialog;
}

void MainWindow::askForLevelIfNoneChosen()
{
    if (m_context.test.isLevelChosen() || m_activating)
        return;
    m_activating = true;
    // A dialog kept hidden after a score view would otherwise come back
    // with the score in front and ask for nothing.
    if (m_levelDialog && !m_levelDialog->isDismissed())
        m_levelDialog->ui().levelPanel->raise();
    execLevelDialog();
    m_activating = false;
}

void MainWindow::guess(Level level, int position)
{
    runGuess(*this, level, std::int16_t(position));
}

void MainWindow::showScore()
{
    const QString report = QString::fromStdString(scoreReport(m_context.test));
    LevelDialog *dialog = levelDialog();
    QPlainTextEdit *box = dialog->ui().scoreBox;
    // The box shows CR LF line breaks as plain line breaks; setting the same
    // report again is no change.
    QString shown = report;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (box->toPlainText() != shown)
        box->setPlainText(report);
    dialog->ui().scorePanel->raise();
    execLevelDialog();
}

void MainWindow::chooseLevel()
{
    levelDialog()->ui().levelPanel->raise();
    const QPixmap resting = m_ui.pictures.restingPicture();
    for (Level level : AllLevels)
        m_ui.levelResult(level)->setPicture(resting, restingPictureName());
    execLevelDialog();
}

void MainWindow::showAbout()
{
    AboutBox::showModal(m_context);
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
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    showExitScreen();
    event->accept();
}

void MainWindow::showExitScreen()
{
    auto *exitScreen = new ExitScreen(m_context);
    emit exitScreenOpened(exitScreen);
    exitScreen->show();
}

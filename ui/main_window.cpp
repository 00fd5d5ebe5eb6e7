#include "ui/main_window.h"

#include "services/app_context.h"
#include "services/ignoring_failures.h"
#include "services/web_links.h"
#include "services/window_registry.h"
#include "symboltest/score_report.h"
#include "symboltest/symbol_test.h"
#include "ui/about_box.h"
#include "ui/exit_screen.h"
#include "ui/guess_flow.h"
#include "ui/level_dialog.h"
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

frmMain::frmMain(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    m_ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    context.windows.add(this);
    connectHandlers();
    // Tab reaches only what lies in front: the chosen level's panel, the
    // banner label on top.
    new FrontOnlyFocus({m_ui.raCover, m_ui.fraBeginner, m_ui.fraIntermediate, m_ui.fraExpert}, this);
    new FrontOnlyFocus({m_ui.lblCobrand, m_ui.lblFullBrand}, this);
    // The window has always started with the focus on the Beginner Score
    // button, which shows it once the Beginner panel is in front.
    m_ui.cmdScore->setFocus();
}

frmMain::~frmMain()
{
    delete m_selectOption;
}

void frmMain::connectHandlers()
{
    for (std::size_t i = 0; i < m_ui.cmdZener.size(); ++i)
        connect(m_ui.cmdZener[i], &PictureBox::clicked, this, [this, i] { cmdZener_Click(std::int16_t(i)); });
    for (std::size_t i = 0; i < m_ui.PicIntermediate.size(); ++i)
        connect(m_ui.PicIntermediate[i], &PictureBox::clicked, this,
                [this, i] { PicIntermediate_Click(std::int16_t(i)); });
    for (std::size_t i = 0; i < m_ui.picExpert.size(); ++i)
        connect(m_ui.picExpert[i], &PictureBox::clicked, this, [this, i] { picExpert_Click(std::int16_t(i)); });

    connect(m_ui.cmdScore, &QPushButton::clicked, this, &frmMain::cmdScore_Click);
    connect(m_ui.cmdIntermediateScore, &QPushButton::clicked, this, &frmMain::cmdIntermediateScore_Click);
    connect(m_ui.cmdExpertScore, &QPushButton::clicked, this, &frmMain::cmdExpertScore_Click);
    connect(m_ui.cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(m_ui.cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    connect(m_ui.mnuScore, &QAction::triggered, this, &frmMain::mnuScore_Click);
    connect(m_ui.mnuDifficulty, &QAction::triggered, this, &frmMain::mnuDifficulty_Click);
    connect(m_ui.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(m_ui.mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(m_ui.mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(m_ui.mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(m_ui.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(m_ui.mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(m_ui.mkmoney, &QAction::triggered, this, &frmMain::mkmoney_Click);

    connect(m_ui.Label61, &LinkLabel::clicked, this, &frmMain::Label61_Click);
    connect(m_ui.lblCobrand, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
    connect(m_ui.lblFullBrand, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

frmSelectOption *frmMain::selectOption()
{
    if (m_selectOption && m_selectOption->isUnloaded())
        delete m_selectOption;
    if (!m_selectOption) {
        m_selectOption = new frmSelectOption(m_context);
        connect(m_selectOption, &frmSelectOption::levelChosen, this, &frmMain::showLevel);
    }
    return m_selectOption;
}

void frmMain::showLevel(Level level)
{
    switch (level) {
    case Level::Beginner:
        m_ui.fraBeginner->raise();
        break;
    case Level::Intermediate:
        m_ui.fraIntermediate->raise();
        break;
    case Level::Expert:
        m_ui.fraExpert->raise();
        break;
    }
}

void frmMain::showBanner(std::int16_t number)
{
    switch (number) {
    case 1:
    case 3:
    case 5:
        m_ui.lblCobrand->raise();
        break;
    case 2:
    case 4:
    case 6:
        m_ui.lblFullBrand->raise();
        break;
    default:
        // 7: the design's order stays.
        break;
    }
}

void frmMain::showSelectOption()
{
    QPointer<frmSelectOption> dialog = selectOption();
    dialog->exec();
    // Unloading hides the dialog; it is destroyed once its modal showing is over.
    if (dialog && dialog->isUnloaded())
        delete dialog;
}

void frmMain::Form_Activate()
{
    if (m_context.test.isLevelChosen() || m_activating)
        return;
    m_activating = true;
    // A dialog kept hidden after a score view would otherwise come back
    // with the score in front and ask for nothing.
    if (m_selectOption && !m_selectOption->isUnloaded())
        m_selectOption->ui().fraSelectoption->raise();
    showSelectOption();
    m_activating = false;
}

void frmMain::cmdZener_Click(std::int16_t index)
{
    RunGuess(*this, Level::Beginner, index);
}

void frmMain::PicIntermediate_Click(std::int16_t index)
{
    RunGuess(*this, Level::Intermediate, index);
}

void frmMain::picExpert_Click(std::int16_t index)
{
    RunGuess(*this, Level::Expert, index);
}

void frmMain::cmdScore_Click()
{
    mnuScore_Click();
}

void frmMain::cmdIntermediateScore_Click()
{
    mnuScore_Click();
}

void frmMain::cmdExpertScore_Click()
{
    mnuScore_Click();
}

void frmMain::mnuScore_Click()
{
    const QString report = QString::fromStdString(scoreReport(m_context.test));
    frmSelectOption *dialog = selectOption();
    QPlainTextEdit *box = dialog->ui().txtTotalScore;
    // The box shows CR LF line breaks as plain line breaks; setting the same
    // report again is no change.
    QString shown = report;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (box->toPlainText() != shown)
        box->setPlainText(report);
    dialog->ui().fraScore->raise();
    showSelectOption();
}

void frmMain::mnuDifficulty_Click()
{
    selectOption()->ui().fraSelectoption->raise();
    const QPixmap resting = m_ui.pictures.restingPicture();
    m_ui.picZenerSymbol->setPicture(resting, RestingPictureName());
    m_ui.PicIntermediateResult->setPicture(resting, RestingPictureName());
    m_ui.picExpertResult->setPicture(resting, RestingPictureName());
    showSelectOption();
}

void frmMain::cmdBack_Click()
{
    IgnoringFailures([this] { mnuDifficulty_Click(); });
}

void frmMain::cmdExit_Click()
{
    IgnoringFailures([this] { close(); });
}

void frmMain::mnuExit_Click()
{
    IgnoringFailures([this] { cmdExit_Click(); });
}

void frmMain::mnuAbout_Click()
{
    IgnoringFailures([this] { frmAbout::showModal(m_context); });
}

void frmMain::mnuOnline_Click()
{
    IgnoringFailures([this] { modHelp(m_context.platform).OpenOnlineHelpPage(); });
}

void frmMain::mnuVisit_Click()
{
    IgnoringFailures([this] { modHelp(m_context.platform).OpenHomePage(); });
}

void frmMain::mnuUpdate_Click()
{
    IgnoringFailures([this] { modHelp(m_context.platform).OpenDownloadPage(); });
}

void frmMain::mnuDonate_Click()
{
    IgnoringFailures([this] { modHelp(m_context.platform).OpenDonationPage(); });
}

void frmMain::mkmoney_Click()
{
    modHelp(m_context.platform).OpenFullBrandInfoPage();
}

void frmMain::Label61_Click()
{
    IgnoringFailures([this] { modHelp(m_context.platform).OpenHomePage(); });
}

void frmMain::lblCobrand_Click()
{
    modHelp(m_context.platform).OpenCoBrandInfoPage();
}

void frmMain::lblFullBrand_Click()
{
    modHelp(m_context.platform).OpenFullBrandInfoPage();
}

bool frmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &frmMain::Form_Activate);
    return handled;
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A bare X server sends no activation: the first showing counts as one.
    if (!m_firstShowSeen) {
        m_firstShowSeen = true;
        QTimer::singleShot(0, this, &frmMain::Form_Activate);
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    IgnoringFailures([this] { Form_Unload(); });
    event->accept();
}

void frmMain::Form_Unload()
{
    auto *exitScreen = new frmNagScreen2(m_context);
    emit exitScreenOpened(exitScreen);
    exitScreen->show();
}

#include "ui/level_dialog.h"

#include "services/app_info.h"
#include "services/platform.h"
#include "services/web_links.h"
#include "symboltest/symbol_test.h"
#include "ui/core_texts.h"
#include "ui/layouts/level_dialog_looks.h"
#include "ui/layouts/placement.h"
#include "ui/widgets/link_button.h"

#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "ui_level_dialog.h"
#include "ui_score_page.h"

LevelDialog::LevelDialog(Platform &platform, SymbolTest &test, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_test(test)
    , m_ui(std::make_unique<Ui::LevelDialog>())
{
    m_ui->setupUi(this);
    Design::dressLevelDialog(this, *m_ui);

    connect(m_ui->okButton, &QPushButton::clicked, this, &LevelDialog::confirmLevel);
    const auto opens = [this](PageRole page) { return [this, page] { WebLinks(m_platform).open(page); }; };
    connect(m_ui->forumLink, &LinkButton::clicked, this, opens(PageRole::HomePage));
    connect(m_ui->coBrandLink, &LinkButton::clicked, this, opens(PageRole::CoBrandInfoPage));
    connect(m_ui->fullBrandLink, &LinkButton::clicked, this, opens(PageRole::FullBrandInfoPage));

    showLevelChoice();
}

LevelDialog::~LevelDialog() = default;

void LevelDialog::buildScorePage()
{
    if (m_scorePage)
        return;
    // Set up and dressed on its own, then put behind the level choice as a
    // page of the stack, its controls after the level choice's in the tab
    // order: dressed inside the dialog, its group box would first measure
    // its title in the dialog's plain font and load that for nothing.
    m_score = std::make_unique<Ui::ScorePage>();
    auto *page = new QFrame;
    m_score->setupUi(page);
    Design::dressScorePage(page, *m_score);
    Design::addPage(m_ui->pageStack, page);
    m_scorePage = page;

    connect(m_score->scoreOkButton, &QPushButton::clicked, this, &LevelDialog::hideScore);
    // The report is there to be read, not copied, and it is never edited:
    // no text can be selected, by mouse or keys, and it has no context menu.
    // It stays in the tab order, so that a screen reader's user reaches it;
    // the keys it ignores, Enter and Escape among them, go on to the dialog.
    QPlainTextEdit *box = m_score->scoreBox;
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setFocusPolicy(Qt::StrongFocus);
}

void LevelDialog::showLevelChoice()
{
    showPage(m_ui->levelPanel, m_ui->okButton);
}

void LevelDialog::showScoreView()
{
    buildScorePage();
    const QString report = shownScoreReport(m_test);
    // The box shows CR LF line breaks as plain line breaks; setting the same
    // report again is no change.
    QString shown = report;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_score->scoreBox->toPlainText() != shown)
        m_score->scoreBox->setPlainText(report);
    showPage(m_scorePage, m_score->scoreOkButton);
}

bool LevelDialog::isShowingScore() const
{
    return m_scorePage && m_ui->pageStack->currentWidget() == m_scorePage;
}

void LevelDialog::showPage(QWidget *page, QPushButton *ok)
{
    m_ui->pageStack->setCurrentWidget(page);
    // The page's OK is the button that Enter presses, and the keys start on
    // it: whatever is typed at once goes nowhere unseen.
    ok->setDefault(true);
    ok->setFocus(Qt::OtherFocusReason);
}

void LevelDialog::confirmLevel()
{
    if (m_ui->beginnerOption->isChecked()) {
        emit levelChosen(Level::Beginner);
    } else if (m_ui->intermediateOption->isChecked()) {
        emit levelChosen(Level::Intermediate);
    } else if (m_ui->expertOption->isChecked()) {
        emit levelChosen(Level::Expert);
    } else {
        // The dialog goes once the message has been answered, not under it.
        m_platform.showMessage(this, tr("Please Select An option"), Platform::Buttons::Ok, Platform::Icon::Critical,
                               AppInfo::name(), [this](Platform::Answer) { endLevelChoice(); });
        return;
    }
    endLevelChoice();
}

// The level choice ends with or without a level: the dialog is done with,
// and not asked for again.
void LevelDialog::endLevelChoice()
{
    m_test.setLevelChosen(true);
    m_dismissed = true;
    accept();
}

void LevelDialog::hideScore()
{
    accept();
}

void LevelDialog::reject()
{
    // The close box comes here too (QDialog's closeEvent()).
    m_dismissed = true;
    QDialog::reject();
}

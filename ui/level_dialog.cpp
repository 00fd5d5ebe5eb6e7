#include "ui/level_dialog.h"

#include "services/app_context.h"
#include "services/platform.h"
#include "services/web_links.h"
#include "services/window_registry.h"
#include "symboltest/symbol_test.h"
#include "ui/widgets/link_button.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

LevelDialog::LevelDialog(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    m_ui.setupUi(this);
    setModal(true);
    context.windows.add(this);

    connect(m_ui.okButton, &QPushButton::clicked, this, &LevelDialog::confirmLevel);
    const auto opens = [this](PageRole page) { return [this, page] { WebLinks(m_context.platform).open(page); }; };
    connect(m_ui.forumLink, &LinkButton::clicked, this, opens(PageRole::HomePage));
    connect(m_ui.coBrandLink, &LinkButton::clicked, this, opens(PageRole::CoBrandInfoPage));
    connect(m_ui.fullBrandLink, &LinkButton::clicked, this, opens(PageRole::FullBrandInfoPage));

    // The keyboard starts on the level choice's OK; when the other page
    // comes forward, the focus moves on to it.
    showLevelChoice();
    m_ui.okButton->setFocus();
}

const Ui::LevelDialog &LevelDialog::ui()
{
    buildScorePage();
    return m_ui;
}

void LevelDialog::buildScorePage()
{
    if (!m_ui.buildScorePage())
        return;
    connect(m_ui.scoreOkButton, &QPushButton::clicked, this, &LevelDialog::hideScore);
    // The score report is there to be read, not copied: the clipboard is
    // emptied whenever the box changes or the mouse works in it.
    connect(m_ui.scoreBox, &QPlainTextEdit::textChanged, this, &LevelDialog::emptyClipboard);
    // Mouse movement over the score box is reported without a button held.
    m_ui.scoreBox->viewport()->setMouseTracking(true);
    m_ui.scoreBox->viewport()->installEventFilter(this);
}

void LevelDialog::showLevelChoice()
{
    m_ui.pageStack->setCurrentWidget(m_ui.levelPanel);
    m_ui.okButton->setDefault(true);
}

void LevelDialog::showScoreView()
{
    buildScorePage();
    m_ui.pageStack->setCurrentWidget(m_ui.scorePage);
    m_ui.scoreOkButton->setDefault(true);
}

void LevelDialog::confirmLevel()
{
    if (m_ui.beginnerOption->isChecked()) {
        emit levelChosen(Level::Beginner);
    } else if (m_ui.intermediateOption->isChecked()) {
        emit levelChosen(Level::Intermediate);
    } else if (m_ui.expertOption->isChecked()) {
        emit levelChosen(Level::Expert);
    } else {
        m_context.platform.showMessage(tr("Please Select An option"), Platform::Buttons::Ok,
                                       Platform::Icon::Critical);
    }
    dismiss();
    m_context.test.setLevelChosen(true);
}

void LevelDialog::hideScore()
{
    hide();
}

void LevelDialog::reject()
{
    close();
}

void LevelDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    dismiss();
}

bool LevelDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (m_ui.scoreBox && watched == m_ui.scoreBox->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            emptyClipboard();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LevelDialog::dismiss()
{
    m_dismissed = true;
    hide();
}

void LevelDialog::emptyClipboard()
{
    m_context.platform.clearClipboard();
}

#include "ui/level_dialog.h"

#include "services/app_context.h"
#include "services/ignoring_failures.h"
#include "services/platform.h"
#include "services/web_links.h"
#include "services/window_registry.h"
#include "symboltest/symbol_test.h"
#include "ui/widgets/front_only_focus.h"
#include "ui/widgets/link_label.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

frmSelectOption::frmSelectOption(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    m_ui.setupUi(this);
    setModal(true);
    context.windows.add(this);

    connect(m_ui.cmdOk, &QPushButton::clicked, this, &frmSelectOption::cmdOk_Click);
    connect(m_ui.cmdOkScore, &QPushButton::clicked, this, &frmSelectOption::cmdOkScore_Click);
    connect(m_ui.txtTotalScore, &QPlainTextEdit::textChanged, this, &frmSelectOption::txtTotalScore_Change);
    connect(m_ui.Label61, &LinkLabel::clicked, this, &frmSelectOption::Label61_Click);
    connect(m_ui.lblCobrand, &LinkLabel::clicked, this, &frmSelectOption::lblCobrand_Click);
    connect(m_ui.lblFullBrand, &LinkLabel::clicked, this, &frmSelectOption::lblFullBrand_Click);

    // The level choice and the score view share one place: the keyboard
    // reaches only the one in front.
    new FrontOnlyFocus({m_ui.fraSelectoption, m_ui.fraScore}, this);

    // Mouse movement over the score box is reported without a button held.
    m_ui.txtTotalScore->viewport()->setMouseTracking(true);
    m_ui.txtTotalScore->viewport()->installEventFilter(this);
}

void frmSelectOption::cmdOk_Click()
{
    if (m_ui.optBeginner->isChecked()) {
        emit levelChosen(Level::Beginner);
    } else if (m_ui.optIntermediate->isChecked()) {
        emit levelChosen(Level::Intermediate);
    } else if (m_ui.optExpert->isChecked()) {
        emit levelChosen(Level::Expert);
    } else {
        m_context.platform.showMessage(QStringLiteral("Please Select An option"), Platform::Buttons::Ok,
                                       Platform::Icon::Critical);
    }
    unload();
    m_context.test.setLevelChosen(true);
}

void frmSelectOption::cmdOkScore_Click()
{
    hide();
}

void frmSelectOption::txtTotalScore_Change()
{
    emptyClipboard();
}

void frmSelectOption::txtTotalScore_Click()
{
    emptyClipboard();
}

void frmSelectOption::txtTotalScore_MouseDown()
{
    emptyClipboard();
}

void frmSelectOption::txtTotalScore_MouseMove()
{
    emptyClipboard();
}

void frmSelectOption::txtTotalScore_MouseUp()
{
    emptyClipboard();
}

void frmSelectOption::Label61_Click()
{
    IgnoringFailures([this] { modHelp(m_context.platform).OpenHomePage(); });
}

void frmSelectOption::lblCobrand_Click()
{
    modHelp(m_context.platform).OpenCoBrandInfoPage();
}

void frmSelectOption::lblFullBrand_Click()
{
    modHelp(m_context.platform).OpenFullBrandInfoPage();
}

void frmSelectOption::reject()
{
    close();
}

void frmSelectOption::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}

bool frmSelectOption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.txtTotalScore->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            txtTotalScore_MouseDown();
            break;
        case QEvent::MouseMove:
            txtTotalScore_MouseMove();
            break;
        case QEvent::MouseButtonRelease:
            txtTotalScore_MouseUp();
            txtTotalScore_Click();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSelectOption::unload()
{
    m_unloaded = true;
    hide();
}

void frmSelectOption::emptyClipboard()
{
    IgnoringFailures([this] { m_context.platform.clearClipboard(); });
}

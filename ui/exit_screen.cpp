#include "ui/exit_screen.h"

#include "services/app_context.h"
#include "services/platform.h"
#include "services/web_links.h"
#include "services/window_registry.h"
#include "symboltest/random_source.h"
#include "ui/widgets/link_label.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// The text of a form box; the message box gives its lines ended by CR LF,
// as the request sends them.
QString boxText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    if (auto *multi = qobject_cast<QPlainTextEdit *>(box))
        return Ui::TextBoxText(multi);
    return {};
}

void setBoxText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else if (auto *multi = qobject_cast<QPlainTextEdit *>(box))
        multi->setPlainText(text);
}

// Focus that moves to another window or a context menu is not a change of
// box: the placeholders react only to focus moving within the form.
bool movesWithinForm(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

frmNagScreen2::frmNagScreen2(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    m_ui.setupUi(this);
    // Closing destroys the screen; by then the program is ending.
    setAttribute(Qt::WA_DeleteOnClose);
    context.windows.add(this);

    for (QWidget *box : {static_cast<QWidget *>(m_ui.txtName), static_cast<QWidget *>(m_ui.txtEmail),
                         static_cast<QWidget *>(m_ui.txtMessage), static_cast<QWidget *>(m_ui.txtFriendName),
                         static_cast<QWidget *>(m_ui.txtFriendEmail)})
        box->installEventFilter(this);

    connect(m_ui.cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(m_ui.Check1, &QPushButton::toggled, this, &frmNagScreen2::Check1_Click);
    connect(m_ui.lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
    connect(m_ui.cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);

    Form_Load();
}

void frmNagScreen2::Form_Load()
{
    m_context.random.seedFromClock();
    const float r = m_context.random.next();
    // Int(r * 4) in single precision; a value of 1 from a faulty source
    // still names the last message.
    const int n = std::clamp(static_cast<int>(std::floor(r * 4.0f)), 0, 3);
    m_ui.Label2->setText(Ui::PromotionalMessage(n));

    // Above every window, also those of other programs. It takes over the
    // activation only from this program's own main window, never from
    // another program that the user has moved to.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (QApplication::activeWindow() == nullptr)
        setAttribute(Qt::WA_ShowWithoutActivating);
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    struct Box
    {
        QWidget *box;
        const QString &placeholder;
    };
    const Box boxes[] = {
        {m_ui.txtName, TellAFriend::YourNamePlaceholder},
        {m_ui.txtEmail, TellAFriend::YourEmailPlaceholder},
        {m_ui.txtMessage, TellAFriend::YourMessagePlaceholder},
        {m_ui.txtFriendName, TellAFriend::FriendNamePlaceholder},
        {m_ui.txtFriendEmail, TellAFriend::FriendEmailPlaceholder},
    };
    const auto found = std::find_if(std::begin(boxes), std::end(boxes),
                                    [watched](const Box &box) { return box.box == watched; });
    if (found == std::end(boxes))
        return QWidget::eventFilter(watched, event);
    QWidget *box = found->box;

    switch (event->type()) {
    case QEvent::FocusIn: // the box's GotFocus
        if (movesWithinForm(static_cast<QFocusEvent *>(event))
            && TellAFriend::TrimBlanks(boxText(box)) == found->placeholder)
            setBoxText(box, QString());
        break;
    case QEvent::FocusOut: // the box's LostFocus
        if (movesWithinForm(static_cast<QFocusEvent *>(event))
            && TellAFriend::TrimBlanks(boxText(box)).isEmpty())
            setBoxText(box, found->placeholder);
        break;
    case QEvent::KeyPress: // txtEmail_KeyPress, txtFriendEmail_KeyPress
        if ((box == m_ui.txtEmail || box == m_ui.txtFriendEmail)
            && static_cast<QKeyEvent *>(event)->text() == QStringLiteral(" ")) {
            m_context.platform.showMessage(QStringLiteral("Email Address Cannot Contain Space"),
                                           Platform::Buttons::Ok, Platform::Icon::Critical);
            box->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::cmdSubmit_Click()
{
    using TellAFriend::TrimBlanks;
    m_tellAFriend.strYourName = TrimBlanks(boxText(m_ui.txtName));
    m_tellAFriend.strYourEmail = TrimBlanks(boxText(m_ui.txtEmail));
    m_tellAFriend.strYourMessage = TrimBlanks(boxText(m_ui.txtMessage));
    m_tellAFriend.strFriendName = TrimBlanks(boxText(m_ui.txtFriendName));
    m_tellAFriend.strFriendEmail = TrimBlanks(boxText(m_ui.txtFriendEmail));

    const QString failure =
        TellAFriend::EmailCheckFailure(m_tellAFriend.strYourEmail, m_tellAFriend.strFriendEmail);
    if (!failure.isEmpty()) {
        m_context.platform.showMessage(failure, Platform::Buttons::Ok, Platform::Icon::Critical);
        return;
    }
    m_tellAFriend.SendReferral(m_context.platform);
}

void frmNagScreen2::Check1_Click()
{
    // Unticking raises this handler again, which then finds nothing to do.
    if (!m_ui.Check1->isChecked())
        return;
    m_ui.Check1->setChecked(false);
    modHelp(m_context.platform).OpenHomePage();
}

void frmNagScreen2::lblGoToHome_Click()
{
    modHelp(m_context.platform).OpenSoftwareCataloguePage();
}

void frmNagScreen2::cmdClose_Click()
{
    emit shutdownRequested();
}

void frmNagScreen2::Form_Unload()
{
    emit shutdownRequested();
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    // The shutdown closes this window too; a close arriving while this one
    // runs must not start the shutdown over again.
    if (!m_unloading) {
        m_unloading = true;
        Form_Unload();
    }
    event->accept();
}

#include "ui/exit_screen.h"

#include "services/platform.h"
#include "services/web_links.h"
#include "symboltest/random_source.h"
#include "ui/layouts/design.h"
#include "ui/layouts/exit_screen_looks.h"
#include "ui/widgets/link_button.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui_exit_screen.h"

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
        return ReferAFriend::textBoxText(multi);
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

ExitScreen::ExitScreen(Platform &platform, RandomSource &random, WindowRegistry &windows, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_random(random)
    , m_ui(std::make_unique<Ui::ExitScreen>())
{
    m_ui->setupUi(this);
    Design::dressExitScreen(this, *m_ui);
    // Closing destroys the screen; by then the program is ending.
    setAttribute(Qt::WA_DeleteOnClose);
    windows.add(this);

    for (QWidget *box : {static_cast<QWidget *>(m_ui->yourNameBox), static_cast<QWidget *>(m_ui->yourEmailBox),
                         static_cast<QWidget *>(m_ui->yourMessageBox), static_cast<QWidget *>(m_ui->friendNameBox),
                         static_cast<QWidget *>(m_ui->friendEmailBox)})
        box->installEventFilter(this);

    connect(m_ui->referButton, &QPushButton::clicked, this, &ExitScreen::submitReferral);
    connect(m_ui->visitSiteButton, &QPushButton::toggled, this, &ExitScreen::visitHomePage);
    connect(m_ui->catalogueLink, &LinkButton::clicked, this,
            [this] { WebLinks(m_platform).open(PageRole::SoftwareCataloguePage); });
    connect(m_ui->exitButton, &QPushButton::clicked, this, &ExitScreen::shutdownRequested);

    showPromotionalMessage();

    // The keys start on Exit: what the user types at once must not go,
    // unseen, into a box of the form, least of all the hidden message.
    m_ui->exitButton->setFocus(Qt::OtherFocusReason);

    // Above every window, also those of other programs. It takes over the
    // activation only from this program's own main window, never from
    // another program that the user has moved to.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (QApplication::activeWindow() == nullptr)
        setAttribute(Qt::WA_ShowWithoutActivating);
}

ExitScreen::~ExitScreen() = default;

QString ExitScreen::promotionalMessage(int n)
{
    switch (n) {
    case 0:
        return QCoreApplication::translate(
            "ExitScreen",
            "Please help us to maintain and develop our free programs: just visit our discussion "
            "web site %1/forum regularly and take part in the discussions. Your "
            "visits and your posts will keep all of our programs alive.")
            .arg(Design::siteCaption());
    case 1:
        return QCoreApplication::translate(
            "ExitScreen",
            "Help Quendrel Softwares maintain and develop this program! Visit our discussion web "
            "site %1/forum regularly and take part in the discussions. Each "
            "visit helps us keep on improving our software.")
            .arg(Design::siteCaption());
    case 2:
        return QCoreApplication::translate(
            "ExitScreen",
            "You can help us maintain and develop our programs simply by visiting our discussion "
            "web site, %1/forum, on a regular basis. Thank you so much!")
            .arg(Design::siteCaption());
    case 3:
        return QCoreApplication::translate(
            "ExitScreen",
            "Enjoyed this program? Help us maintain and develop it further: visit our discussion "
            "web site %1/forum regularly and take part in the discussions. "
            "Thank you for your kind support!")
            .arg(Design::siteCaption());
    default:
        return QString();
    }
}

void ExitScreen::showAfterMessage(const QString &text)
{
    m_waitingForMessage = true;
    m_platform.showMessage(this, text, Platform::Buttons::Ok, Platform::Icon::Warning, AppInfo::name(),
                           [this](Platform::Answer) {
                               m_waitingForMessage = false;
                               if (m_shownOnceAnswered)
                                   show();
                           });
}

void ExitScreen::setVisible(bool visible)
{
    if (visible && m_waitingForMessage) {
        m_shownOnceAnswered = true;
        return;
    }
    m_shownOnceAnswered = false;
    QWidget::setVisible(visible);
}

void ExitScreen::showPromotionalMessage()
{
    m_random.seedFromClock();
    const float r = m_random.next();
    // Int(r * 4) in single precision; a value of 1 from a faulty source
    // still names the last message.
    const int n = std::clamp(static_cast<int>(std::floor(r * 4.0f)), 0, 3);
    m_ui->appealLabel->setText(promotionalMessage(n));
}

bool ExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    struct Box
    {
        QWidget *box;
        QString placeholder;
    };
    const Box boxes[] = {
        {m_ui->yourNameBox, ReferAFriend::yourNamePlaceholder()},
        {m_ui->yourEmailBox, ReferAFriend::yourEmailPlaceholder()},
        {m_ui->yourMessageBox, ReferAFriend::yourMessagePlaceholder()},
        {m_ui->friendNameBox, ReferAFriend::friendNamePlaceholder()},
        {m_ui->friendEmailBox, ReferAFriend::friendEmailPlaceholder()},
    };
    const auto found = std::find_if(std::begin(boxes), std::end(boxes),
                                    [watched](const Box &box) { return box.box == watched; });
    if (found == std::end(boxes))
        return QWidget::eventFilter(watched, event);
    QWidget *box = found->box;

    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesWithinForm(static_cast<QFocusEvent *>(event))
            && ReferAFriend::trimBlanks(boxText(box)) == found->placeholder)
            setBoxText(box, QString());
        break;
    case QEvent::FocusOut:
        if (movesWithinForm(static_cast<QFocusEvent *>(event))
            && ReferAFriend::trimBlanks(boxText(box)).isEmpty())
            setBoxText(box, found->placeholder);
        break;
    case QEvent::KeyPress:
        if ((box == m_ui->yourEmailBox || box == m_ui->friendEmailBox)
            && static_cast<QKeyEvent *>(event)->text() == QStringLiteral(" ")) {
            // The keys go on in the box once the message is answered.
            m_platform.showMessage(this, tr("Email Address Cannot Contain Space"), Platform::Buttons::Ok,
                                   Platform::Icon::Critical, AppInfo::name(),
                                   [box](Platform::Answer) { box->setFocus(); });
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ExitScreen::submitReferral()
{
    using ReferAFriend::trimBlanks;
    ReferAFriend::Fields &fields = m_referral.fields;
    fields.yourName = trimBlanks(boxText(m_ui->yourNameBox));
    fields.yourEmail = trimBlanks(boxText(m_ui->yourEmailBox));
    fields.yourMessage = trimBlanks(boxText(m_ui->yourMessageBox));
    fields.friendName = trimBlanks(boxText(m_ui->friendNameBox));
    fields.friendEmail = trimBlanks(boxText(m_ui->friendEmailBox));

    const QString failure = ReferAFriend::emailCheckFailure(fields.yourEmail, fields.friendEmail);
    if (!failure.isEmpty()) {
        m_platform.showMessage(this, failure, Platform::Buttons::Ok, Platform::Icon::Critical);
        return;
    }
    m_referral.send(m_platform, this);
}

void ExitScreen::visitHomePage(bool ticked)
{
    // Unticking toggles the button again, which then finds nothing to do.
    if (!ticked)
        return;
    m_ui->visitSiteButton->setChecked(false);
    WebLinks(m_platform).open(PageRole::HomePage);
}

void ExitScreen::closeEvent(QCloseEvent *event)
{
    // The shutdown closes this window too; a close arriving while this one
    // runs must not start the shutdown over again.
    if (!m_closing) {
        m_closing = true;
        emit shutdownRequested();
    }
    event->accept();
}

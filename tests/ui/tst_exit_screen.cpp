#include "window_test_support.h"

#include "services/shutdown.h"
#include "services/web_links.h"
#include "ui/exit_screen.h"
#include "ui/widgets/link_label.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// One run's object graph with the exit screen open and active.
struct ExitScreenRun : TestRun
{
    explicit ExitScreenRun(float r = 0.5f)
    {
        random.push(r);
        screen = new frmNagScreen2(context);
        QObject::connect(screen, &frmNagScreen2::shutdownRequested, screen,
                         [this] { ShutdownApplication(context); });
        screen->show();
        screen->activateWindow();
    }
    ~ExitScreenRun() { delete screen.data(); }

    // Active, with the focus on the Exit button (first in the tab order), so
    // that no form box starts with the focus.
    bool ready()
    {
        if (!QTest::qWaitForWindowActive(screen.data()))
            return false;
        screen->ui().cmdClose->setFocus(Qt::OtherFocusReason);
        return QTest::qWaitFor([this] { return screen->ui().cmdClose->hasFocus(); });
    }

    QPointer<frmNagScreen2> screen;
};

// The text of a form box, a one-line box or the message box.
QString boxText(const QWidget *box)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(box))
        return edit->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void setBoxText(QWidget *box, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

} // namespace

class tst_ExitScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void placeholderLeavesOnFocusAndReturnsWhenLeftEmpty_data();
    void placeholderLeavesOnFocusAndReturnsWhenLeftEmpty();
    void typedTextSurvivesFocusChanges();
    void messageBoxDesignTextIsNotAPlaceholder();
    void blankTypedIntoBox_data();
    void blankTypedIntoBox();
    void check1OpensHomePageOnceAndNeverStaysTicked();
    void goToHomeOpensSoftwareCatalogue();
    void promotionalMessageFollowsTheDraw_data();
    void promotionalMessageFollowsTheDraw();
    void screenStaysOnTop();
    void exitButtonAndCloseBoxBothEndTheProgram_data();
    void exitButtonAndCloseBoxBothEndTheProgram();
};

void tst_ExitScreen::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ExitScreen::placeholderLeavesOnFocusAndReturnsWhenLeftEmpty_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("txtName") << "txtName" << "Your Name";
    QTest::newRow("txtEmail") << "txtEmail" << "Your Email Address";
    QTest::newRow("txtMessage") << "txtMessage" << "Your Message";
    QTest::newRow("txtFriendName") << "txtFriendName" << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail" << "Friend's Email Address";
}

void tst_ExitScreen::placeholderLeavesOnFocusAndReturnsWhenLeftEmpty()
{
    QFETCH(QString, box);
    QFETCH(QString, placeholder);
    ExitScreenRun run;
    QVERIFY(run.ready());
    const Ui::frmNagScreen2 &ui = run.screen->ui();
    QWidget *widget = run.screen->findChild<QWidget *>(box);
    QVERIFY(widget);

    // Blanks around the placeholder still count as the placeholder.
    setBoxText(widget, QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    QCOMPARE(boxText(widget), QString());

    ui.cmdSubmit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.cmdSubmit->hasFocus());
    QCOMPARE(boxText(widget), placeholder);

    widget->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    QCOMPARE(boxText(widget), QString());

    // Only blanks left behind count as empty.
    setBoxText(widget, QStringLiteral("   "));
    ui.cmdClose->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.cmdClose->hasFocus());
    QCOMPARE(boxText(widget), placeholder);
    QVERIFY(run.platform.messages.isEmpty());
}

void tst_ExitScreen::typedTextSurvivesFocusChanges()
{
    ExitScreenRun run;
    QVERIFY(run.ready());
    const Ui::frmNagScreen2 &ui = run.screen->ui();

    ui.txtName->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.txtName->hasFocus());
    QTest::keyClicks(ui.txtName, QStringLiteral("Ann Lee"));
    ui.txtFriendName->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.txtFriendName->hasFocus());
    QCOMPARE(ui.txtName->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(ui.txtFriendName->text(), QString());

    ui.txtName->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.txtName->hasFocus());
    QCOMPARE(ui.txtName->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(ui.txtFriendName->text(), QStringLiteral("Friend's Name"));
}

// The message box's design text ends with a line break, so focus does not
// clear it; emptied, it gets the bare placeholder back.
void tst_ExitScreen::messageBoxDesignTextIsNotAPlaceholder()
{
    ExitScreenRun run;
    QVERIFY(run.ready());
    const Ui::frmNagScreen2 &ui = run.screen->ui();
    const QString design = QStringLiteral("Your Message\r\n");
    QCOMPARE(Ui::TextBoxText(ui.txtMessage), design);

    ui.txtMessage->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.txtMessage->hasFocus());
    QCOMPARE(Ui::TextBoxText(ui.txtMessage), design);

    ui.txtMessage->clear();
    ui.cmdSubmit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.cmdSubmit->hasFocus());
    QCOMPARE(Ui::TextBoxText(ui.txtMessage), QStringLiteral("Your Message"));
}

void tst_ExitScreen::blankTypedIntoBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refused");
    QTest::newRow("txtEmail refuses") << "txtEmail" << true;
    QTest::newRow("txtFriendEmail refuses") << "txtFriendEmail" << true;
    QTest::newRow("txtName takes it") << "txtName" << false;
    QTest::newRow("txtFriendName takes it") << "txtFriendName" << false;
}

void tst_ExitScreen::blankTypedIntoBox()
{
    QFETCH(QString, box);
    QFETCH(bool, refused);
    ExitScreenRun run;
    QVERIFY(run.ready());
    const Ui::frmNagScreen2 &ui = run.screen->ui();
    auto *edit = run.screen->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    // A real message box takes the focus away while it is open.
    run.platform.onMessage = [&ui](const QString &) { ui.cmdClose->setFocus(Qt::OtherFocusReason); };

    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Space);
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("c"));

    if (refused) {
        QCOMPARE(edit->text(), QStringLiteral("abc"));
        QCOMPARE(run.platform.messages.size(), 1);
        const FakePlatform::Message &shown = run.platform.messages.constFirst();
        QCOMPARE(shown.text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(shown.icon, Platform::Icon::Critical);
        QCOMPARE(shown.buttons, Platform::Buttons::Ok);
        QCOMPARE(shown.caption, QStringLiteral("Corvella"));
    } else {
        QCOMPARE(edit->text(), QStringLiteral("ab c"));
        QVERIFY(run.platform.messages.isEmpty());
    }

    // Pasted text is not examined.
    edit->insert(QStringLiteral(" d"));
    QCOMPARE(edit->text(), refused ? QStringLiteral("abc d") : QStringLiteral("ab c d"));
    QCOMPARE(run.platform.messages.size(), refused ? 1 : 0);
}

void tst_ExitScreen::check1OpensHomePageOnceAndNeverStaysTicked()
{
    ExitScreenRun run;
    QVERIFY(run.ready());
    QPushButton *check1 = run.screen->ui().Check1;
    QVERIFY(check1->isCheckable());
    const QString home = PageAddress(PageRole::HomePage);

    QTest::mouseClick(check1, Qt::LeftButton);
    QCOMPARE(run.platform.openedAddresses, QStringList{home});
    QVERIFY(!check1->isChecked());

    QTest::mouseClick(check1, Qt::LeftButton);
    QCOMPARE(run.platform.openedAddresses, (QStringList{home, home}));
    QVERIFY(!check1->isChecked());
    QVERIFY(run.screen->isVisible());
}

void tst_ExitScreen::goToHomeOpensSoftwareCatalogue()
{
    ExitScreenRun run;
    QVERIFY(run.ready());
    QTest::mouseClick(run.screen->ui().lblGoToHome, Qt::LeftButton);
    QCOMPARE(run.platform.openedAddresses, QStringList{PageAddress(PageRole::SoftwareCataloguePage)});
    QVERIFY(run.screen->isVisible());
}

// n = Int(r * 4): each quarter of the unit interval names one message.
void tst_ExitScreen::promotionalMessageFollowsTheDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("r=0") << 0.0f << 0;
    QTest::newRow("just below 1/4") << std::nextafter(0.25f, 0.0f) << 0;
    QTest::newRow("r=1/4") << 0.25f << 1;
    QTest::newRow("just below 1/2") << std::nextafter(0.5f, 0.0f) << 1;
    QTest::newRow("r=1/2") << 0.5f << 2;
    QTest::newRow("just below 3/4") << std::nextafter(0.75f, 0.0f) << 2;
    QTest::newRow("r=3/4") << 0.75f << 3;
    QTest::newRow("largest r") << belowOne << 3;
}

void tst_ExitScreen::promotionalMessageFollowsTheDraw()
{
    QFETCH(float, r);
    QFETCH(int, n);
    const QSet<QString> messages{Ui::PromotionalMessage(0), Ui::PromotionalMessage(1),
                                 Ui::PromotionalMessage(2), Ui::PromotionalMessage(3)};
    QCOMPARE(messages.size(), 4);
    QVERIFY(!messages.contains(QString()));

    ExitScreenRun run(r);
    QCOMPARE(run.screen->ui().Label2->text(), Ui::PromotionalMessage(n));
    // Re-seeded from the clock when the screen opens, then one value drawn.
    QCOMPARE(run.random.seeds, 1);
    QCOMPARE(run.random.draws, 1);
}

void tst_ExitScreen::screenStaysOnTop()
{
    ExitScreenRun run;
    QVERIFY(run.ready());
    QVERIFY(run.screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(run.screen->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void tst_ExitScreen::exitButtonAndCloseBoxBothEndTheProgram_data()
{
    QTest::addColumn<bool>("exitButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void tst_ExitScreen::exitButtonAndCloseBoxBothEndTheProgram()
{
    QFETCH(bool, exitButton);
    ExitScreenRun run;
    QVERIFY(run.ready());
    // The shutdown closes the other open windows too.
    auto *earlier = new QWidget;
    earlier->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QWidget> earlierGuard = earlier;
    run.windows.add(earlier);
    earlier->show();

    if (exitButton)
        QTest::mouseClick(run.screen->ui().cmdClose, Qt::LeftButton);
    else
        QVERIFY(run.screen->close());

    QCOMPARE(run.platform.exitCodes, QList<int>{0});
    QVERIFY(run.context.ended);
    QTRY_VERIFY(run.screen.isNull());
    QTRY_VERIFY(earlierGuard.isNull());
    QVERIFY(run.platform.messages.isEmpty());
}

QTEST_MAIN(tst_ExitScreen)
#include "tst_exit_screen.moc"

#include "exit_screen_run.h"

#include "services/web_links.h"
#include "ui/widgets/link_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>

#include <cmath>

namespace {

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

Q_DECLARE_METATYPE(PageRole)

class tst_ExitScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void placeholderLeavesOnFocusAndReturnsWhenLeftEmpty_data();
    void placeholderLeavesOnFocusAndReturnsWhenLeftEmpty();
    void blankTypedIntoBox_data();
    void blankTypedIntoBox();
    void buttonsOpenTheirPagesAndTheScreenStays_data();
    void buttonsOpenTheirPagesAndTheScreenStays();
    void promotionalMessageFollowsTheDraw_data();
    void promotionalMessageFollowsTheDraw();
    void exitButtonAndCloseBoxBothEndTheProgram_data();
    void exitButtonAndCloseBoxBothEndTheProgram();
    void keysTypedAtOnceReachNoBox();
};

void tst_ExitScreen::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ExitScreen::placeholderLeavesOnFocusAndReturnsWhenLeftEmpty_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("yourNameBox") << "yourNameBox" << "Your Name";
    QTest::newRow("yourEmailBox") << "yourEmailBox" << "Your Email Address";
    QTest::newRow("yourMessageBox") << "yourMessageBox" << "Your Message";
    QTest::newRow("friendNameBox") << "friendNameBox" << "Friend's Name";
    QTest::newRow("friendEmailBox") << "friendEmailBox" << "Friend's Email Address";
}

void tst_ExitScreen::placeholderLeavesOnFocusAndReturnsWhenLeftEmpty()
{
    QFETCH(QString, box);
    QFETCH(QString, placeholder);
    ExitScreenRun run;
    QVERIFY(run.ready());
    const ExitScreenControls ui(run.screen);
    QWidget *widget = run.screen->findChild<QWidget *>(box);
    QVERIFY(widget);

    // Blanks around the placeholder still count as the placeholder.
    setBoxText(widget, QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    QCOMPARE(boxText(widget), QString());

    ui.referButton->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.referButton->hasFocus());
    QCOMPARE(boxText(widget), placeholder);

    // Only blanks left behind count as empty.
    widget->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    setBoxText(widget, QStringLiteral("   "));
    ui.exitButton->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(ui.exitButton->hasFocus());
    QCOMPARE(boxText(widget), placeholder);
    QVERIFY(run.platform.messages.isEmpty());
}

void tst_ExitScreen::blankTypedIntoBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refused");
    QTest::newRow("yourEmailBox refuses") << "yourEmailBox" << true;
    QTest::newRow("friendEmailBox refuses") << "friendEmailBox" << true;
    QTest::newRow("yourNameBox takes it") << "yourNameBox" << false;
}

void tst_ExitScreen::blankTypedIntoBox()
{
    QFETCH(QString, box);
    QFETCH(bool, refused);
    ExitScreenRun run;
    QVERIFY(run.ready());
    const ExitScreenControls ui(run.screen);
    auto *edit = run.screen->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    // A real message box takes the focus away while it is open.
    run.platform.onMessage = [&ui](const QString &) { ui.exitButton->setFocus(Qt::OtherFocusReason); };

    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_Space);
    // Back in the box once the message is answered.
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("c"));

    if (refused) {
        QCOMPARE(edit->text(), QStringLiteral("abc"));
        QCOMPARE(run.platform.messages.size(), 1);
        QCOMPARE(run.platform.messages.constFirst().icon, Platform::Icon::Critical);
        QVERIFY(run.platform.messages.constFirst().owner == run.screen);
    } else {
        QCOMPARE(edit->text(), QStringLiteral("ab c"));
        QVERIFY(run.platform.messages.isEmpty());
    }

    // Pasted text is not examined.
    edit->insert(QStringLiteral(" d"));
    QCOMPARE(edit->text(), refused ? QStringLiteral("abc d") : QStringLiteral("ab c d"));
    QCOMPARE(run.platform.messages.size(), refused ? 1 : 0);
}

void tst_ExitScreen::buttonsOpenTheirPagesAndTheScreenStays_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<PageRole>("page");
    // A tick box in looks that opens the home page and never stays ticked.
    QTest::newRow("visit") << "visitSiteButton" << PageRole::HomePage;
    QTest::newRow("go to home") << "catalogueLink" << PageRole::SoftwareCataloguePage;
}

void tst_ExitScreen::buttonsOpenTheirPagesAndTheScreenStays()
{
    QFETCH(QString, button);
    QFETCH(PageRole, page);
    ExitScreenRun run;
    QVERIFY(run.ready());
    auto *clicked = run.screen->findChild<QAbstractButton *>(button);
    QVERIFY(clicked);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(run.platform.openedAddresses, QStringList(2, pageAddress(page)));
    QVERIFY(!clicked->isChecked());
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
    QTest::newRow("r=1/2") << 0.5f << 2;
    QTest::newRow("just below 3/4") << std::nextafter(0.75f, 0.0f) << 2;
    QTest::newRow("r=3/4") << 0.75f << 3;
    QTest::newRow("largest r") << belowOne << 3;
}

void tst_ExitScreen::promotionalMessageFollowsTheDraw()
{
    QFETCH(float, r);
    QFETCH(int, n);
    const QSet<QString> messages{ExitScreen::promotionalMessage(0), ExitScreen::promotionalMessage(1),
                                 ExitScreen::promotionalMessage(2), ExitScreen::promotionalMessage(3)};
    QCOMPARE(messages.size(), 4);
    QVERIFY(!messages.contains(QString()));

    ExitScreenRun run(r);
    QCOMPARE(ExitScreenControls(run.screen).appealLabel->text(), ExitScreen::promotionalMessage(n));
    // Re-seeded from the clock when the screen opens, then one value drawn.
    QCOMPARE(run.random.seeds, 1);
    QCOMPARE(run.random.draws, 1);
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
    QVERIFY(run.screen->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    // The shutdown closes the other open windows too.
    auto *earlier = new QWidget;
    earlier->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QWidget> earlierGuard = earlier;
    run.windows.add(earlier);
    earlier->show();

    if (exitButton)
        QTest::mouseClick(ExitScreenControls(run.screen).exitButton, Qt::LeftButton);
    else
        QVERIFY(run.screen->close());

    QCOMPARE(run.platform.quitCodes, QList<int>{0});
    QVERIFY(run.context.ended);
    QTRY_VERIFY(run.screen.isNull());
    QTRY_VERIFY(earlierGuard.isNull());
    QVERIFY(run.platform.messages.isEmpty());
}

// The screen opens with the keys on Exit: letters typed at once go nowhere,
// least of all into the hidden message box, which the referral sends.
void tst_ExitScreen::keysTypedAtOnceReachNoBox()
{
    ExitScreenRun run;
    QVERIFY(QTest::qWaitForWindowActive(run.screen.data()));
    const ExitScreenControls ui(run.screen);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui.exitButton));
    QWidget *const boxes[] = {ui.yourNameBox, ui.yourEmailBox, ui.yourMessageBox, ui.friendNameBox,
                              ui.friendEmailBox};
    QStringList before;
    for (QWidget *box : boxes)
        before << boxText(box);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("qj"));
    QStringList after;
    for (QWidget *box : boxes)
        after << boxText(box);
    QCOMPARE(after, before);
    QVERIFY(run.screen->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui.exitButton));
}

QTEST_MAIN(tst_ExitScreen)
#include "tst_exit_screen.moc"

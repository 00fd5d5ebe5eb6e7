#include "services/web_links.h"
#include "dialog_layout_checks.h"
#include "ui/layouts/exit_screen_layout.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace DialogChecks;

class tst_NagScreenLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowHasTheDesignedFrameAndOpensCentred();
    void controlLiesWhereTheDesignPutsIt_data();
    void controlLiesWhereTheDesignPutsIt();
    void messageBoxIsOutOfSightButInTheTabChain();
    void messageBoxReadsTypedLineBreaksAsCrLf();
    void promotionalMessageAsksForVisitsToTheForum_data();
    void promotionalMessageAsksForVisitsToTheForum();
    void homePageButtonIsACheckableLink();
    void otherProgramsTextIsTwoParagraphs();
    void iconSitsAtTheTopLeftOfItsBox();
    void colourIsTheDesignColour_data();
    void colourIsTheDesignColour();
    void captionFitsItsControl_data();
    void captionFitsItsControl();
    void tabOrderFollowsTheDesign();

private:
    std::unique_ptr<QWidget> m_window;
    Ui::frmNagScreen2 m_ui;

    QWidget *control(const QString &name) const { return m_window->findChild<QWidget *>(name); }
};

void tst_NagScreenLayout::init()
{
    m_window = std::make_unique<QWidget>();
    m_ui = Ui::frmNagScreen2();
    m_ui.setupUi(m_window.get());
}

void tst_NagScreenLayout::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_NagScreenLayout::windowHasTheDesignedFrameAndOpensCentred()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvella v1.50"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowType(), Qt::Window);
    QVERIFY(m_window->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    verifyFixedCentredWindow(m_window.get(), QStringLiteral("frmNagScreen2"), QSize(px(11115), px(4725)));
}

void tst_NagScreenLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    const QString window = QStringLiteral("frmNagScreen2");
    QTest::newRow("Frame6") << "Frame6" << window << pxRect(7320, 120, 3735, 4575)
                            << "Download Quendrel Softwares";
    QTest::newRow("lblGoToHome") << "lblGoToHome" << "Frame6" << pxRect(75, 4250, 3585, 210)
                                 << "Click Here To Visit Quendrel Softwares";
    QTest::newRow("Label3") << "Label3" << "Frame6" << pxRect(120, 360, 3495, 3855) << "";
    QTest::newRow("Frame2") << "Frame2" << window << pxRect(120, 3240, 7065, 1455) << "Refer A Friend";
    QTest::newRow("txtMessage") << "txtMessage" << "Frame2" << pxRect(4800, 3600, 1815, 495) << "";
    QTest::newRow("txtFriendName") << "txtFriendName" << "Frame2" << pxRect(85, 720, 3375, 285)
                                   << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail" << "Frame2" << pxRect(3600, 720, 3375, 285)
                                    << "Friend's Email Address";
    QTest::newRow("txtEmail") << "txtEmail" << "Frame2" << pxRect(3600, 360, 3375, 285)
                              << "Your Email Address";
    QTest::newRow("cmdSubmit") << "cmdSubmit" << "Frame2" << pxRect(1920, 1080, 3375, 285)
                               << "Refer A Friend &Now";
    QTest::newRow("txtName") << "txtName" << "Frame2" << pxRect(85, 360, 3375, 285) << "Your Name";
    QTest::newRow("cmdClose") << "cmdClose" << window << pxRect(6000, 2760, 1245, 375) << "E&xit";
    QTest::newRow("Check1") << "Check1" << window << pxRect(30, 2040, 7185, 555) << "";
    QTest::newRow("Picture1") << "Picture1" << window << pxRect(360, 120, 540, 540) << "";
    QTest::newRow("Label2") << "Label2" << window << pxRect(120, 840, 6975, 1095)
                            << Ui::PromotionalMessage(1);
    QTest::newRow("Label1") << "Label1" << window << pxRect(1080, 240, 4905, 435) << "Corvella v1.50";
}

void tst_NagScreenLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    verifyPlace(m_window.get(), name, container, geometry, caption);
}

void tst_NagScreenLayout::messageBoxIsOutOfSightButInTheTabChain()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QRect inWindow(m_ui.txtMessage->mapTo(m_window.get(), QPoint(0, 0)), m_ui.txtMessage->size());
    QVERIFY(!inWindow.intersects(m_window->rect()));
    QVERIFY(!inWindow.intersects(m_ui.Frame2->geometry()));
    QVERIFY(m_ui.txtMessage->visibleRegion().isEmpty());
    QVERIFY(m_ui.txtMessage->isVisibleTo(m_window.get()));

    m_ui.txtFriendName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_ui.txtFriendName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_ui.txtMessage);
}

void tst_NagScreenLayout::messageBoxReadsTypedLineBreaksAsCrLf()
{
    m_ui.txtMessage->clear();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_ui.txtMessage->setFocus();
    QTest::keyClicks(m_ui.txtMessage, QStringLiteral("Hi"));
    QTest::keyClick(m_ui.txtMessage, Qt::Key_Return);
    QTest::keyClicks(m_ui.txtMessage, QStringLiteral("there"));
    QCOMPARE(Ui::TextBoxText(m_ui.txtMessage), QStringLiteral("Hi\r\nthere"));
}

void tst_NagScreenLayout::promotionalMessageAsksForVisitsToTheForum_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("asksToTakePart");
    QTest::newRow("message 0") << 0 << true;
    QTest::newRow("message 1") << 1 << true;
    QTest::newRow("message 2") << 2 << false;
    QTest::newRow("message 3") << 3 << true;
}

void tst_NagScreenLayout::promotionalMessageAsksForVisitsToTheForum()
{
    QFETCH(int, n);
    QFETCH(bool, asksToTakePart);
    const QString message = Ui::PromotionalMessage(n);
    QVERIFY(message.contains(QStringLiteral("maintain and develop")));
    QVERIFY(message.contains(QStringLiteral("discussion web site www.quendrel.example/forum"))
            || message.contains(QStringLiteral("discussion web site, www.quendrel.example/forum")));
    QVERIFY(message.contains(QStringLiteral("regular")));
    QCOMPARE(message.contains(QStringLiteral("take part in the discussions")), asksToTakePart);
    // Whichever message the screen picks has to fit the label.
    m_ui.Label2->setText(message);
    verifyCaptionFits(m_ui.Label2);
}

void tst_NagScreenLayout::homePageButtonIsACheckableLink()
{
    // "Click Here To Visit", the address of the page it opens, and "Now".
    const QString text = m_ui.Check1->text();
    QVERIFY(text.startsWith(QStringLiteral("Click Here To Visit ")));
    QVERIFY(text.endsWith(QStringLiteral(" Now")));
    const QString address = text.mid(20, text.size() - 24);
    QCOMPARE(QUrl(PageAddress(PageRole::HomePage)).host(), address);
    QVERIFY(m_ui.Check1->isCheckable());
    QVERIFY(!m_ui.Check1->isChecked());
    QCOMPARE(m_ui.Check1->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(m_ui.Check1->font().pixelSize(), 19);
    QVERIFY(!m_ui.Check1->font().bold());
    QCOMPARE(m_ui.Check1->palette().color(QPalette::ButtonText), QColor(0, 0, 192));
}

void tst_NagScreenLayout::otherProgramsTextIsTwoParagraphs()
{
    const QString text = m_ui.Label3->text();
    QCOMPARE(text.count(QStringLiteral("\n\n")), 1);
    QVERIFY(text.size() >= 500 && text.size() <= 600);
    for (const char *word : {"astrology", "psychic", "tarot", "numerology", "occult", "simple",
                             "fun", "informative", "try", "friends"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
    QCOMPARE(m_ui.Label3->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void tst_NagScreenLayout::iconSitsAtTheTopLeftOfItsBox()
{
    QCOMPARE(m_ui.Picture1->pixmap().size(), QSize(32, 32));
    QCOMPARE(m_ui.Picture1->frameShape(), QFrame::NoFrame);
    QCOMPARE(m_ui.Picture1->contentsRect().topLeft(), QPoint(0, 0));
    QVERIFY(m_ui.Picture1->alignment().testFlags(Qt::AlignLeft | Qt::AlignTop));
}

void tst_NagScreenLayout::colourIsTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("white window") << "frmNagScreen2" << QPoint(3, 3) << QColor(Qt::white);
    // Beside the captions: inside the three-dimensional border the style shades.
    QTest::newRow("navy download column") << "Frame6" << QPoint(240, 3) << QColor(0, 0, 128);
    QTest::newRow("navy refer-a-friend frame") << "Frame2" << QPoint(400, 3) << QColor(0, 0, 128);
    QTest::newRow("white text box") << "txtName" << QPoint(200, 10) << QColor(Qt::white);
}

void tst_NagScreenLayout::colourIsTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QWidget *widget = name == m_window->objectName() ? m_window.get() : control(name);
    QCOMPARE(shownColour(m_window.get(), widget, at), colour);
}

void tst_NagScreenLayout::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Frame6", "lblGoToHome", "Label3", "Frame2", "txtFriendName",
                             "txtFriendEmail", "txtEmail", "cmdSubmit", "txtName", "cmdClose",
                             "Check1", "Label2", "Label1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_NagScreenLayout::captionFitsItsControl()
{
    QFETCH(QString, name);
    verifyCaptionFits(control(name));
}

void tst_NagScreenLayout::tabOrderFollowsTheDesign()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QStringList expected{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                               "txtFriendEmail", "txtFriendName", "txtMessage", "cmdClose"};
    QCOMPARE(tabSequence(m_ui.cmdClose, 8), expected);
}

QTEST_MAIN(tst_NagScreenLayout)
#include "tst_nag_screen_layout.moc"

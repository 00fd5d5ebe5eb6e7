#include "services/web_links.h"
#include "dialog_layout_checks.h"
#include "ui/layouts/exit_screen_layout.h"
#include "ui/widgets/link_button.h"
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

class tst_ExitScreenLayout : public QObject
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
    Ui::ExitScreen m_ui;

    QWidget *control(const QString &name) const { return m_window->findChild<QWidget *>(name); }
};

void tst_ExitScreenLayout::init()
{
    m_window = std::make_unique<QWidget>();
    m_ui = Ui::ExitScreen();
    m_ui.setupUi(m_window.get());
}

void tst_ExitScreenLayout::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ExitScreenLayout::windowHasTheDesignedFrameAndOpensCentred()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvella v1.50"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowType(), Qt::Window);
    QVERIFY(m_window->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    verifyFixedCentredWindow(m_window.get(), QStringLiteral("exitScreen"), QSize(px(11115), px(4725)));
}

void tst_ExitScreenLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    const QString window = QStringLiteral("exitScreen");
    QTest::newRow("downloadFrame") << "downloadFrame" << window << pxRect(7320, 120, 3735, 4575)
                            << "Download Quendrel Softwares";
    QTest::newRow("catalogueLink") << "catalogueLink" << "downloadFrame" << pxRect(75, 4250, 3585, 210)
                                 << "Click Here To Visit Quendrel Softwares";
    QTest::newRow("otherProgramsText") << "otherProgramsText" << "downloadFrame" << pxRect(120, 360, 3495, 3855) << "";
    QTest::newRow("referFrame") << "referFrame" << window << pxRect(120, 3240, 7065, 1455) << "Refer A Friend";
    QTest::newRow("yourMessageBox") << "yourMessageBox" << "referFrame" << pxRect(4800, 3600, 1815, 495) << "";
    QTest::newRow("friendNameBox") << "friendNameBox" << "referFrame" << pxRect(85, 720, 3375, 285)
                                   << "Friend's Name";
    QTest::newRow("friendEmailBox") << "friendEmailBox" << "referFrame" << pxRect(3600, 720, 3375, 285)
                                    << "Friend's Email Address";
    QTest::newRow("yourEmailBox") << "yourEmailBox" << "referFrame" << pxRect(3600, 360, 3375, 285)
                              << "Your Email Address";
    QTest::newRow("referButton") << "referButton" << "referFrame" << pxRect(1920, 1080, 3375, 285)
                               << "Refer A Friend &Now";
    QTest::newRow("yourNameBox") << "yourNameBox" << "referFrame" << pxRect(85, 360, 3375, 285) << "Your Name";
    QTest::newRow("exitButton") << "exitButton" << window << pxRect(6000, 2760, 1245, 375) << "E&xit";
    QTest::newRow("visitSiteButton") << "visitSiteButton" << window << pxRect(30, 2040, 7185, 555) << "";
    QTest::newRow("iconBox") << "iconBox" << window << pxRect(360, 120, 540, 540) << "";
    QTest::newRow("appealLabel") << "appealLabel" << window << pxRect(120, 840, 6975, 1095)
                            << Ui::promotionalMessage(1);
    QTest::newRow("titleLabel") << "titleLabel" << window << pxRect(1080, 240, 4905, 435) << "Corvella v1.50";
}

void tst_ExitScreenLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    verifyPlace(m_window.get(), name, container, geometry, caption);
}

void tst_ExitScreenLayout::messageBoxIsOutOfSightButInTheTabChain()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QRect inWindow(m_ui.yourMessageBox->mapTo(m_window.get(), QPoint(0, 0)), m_ui.yourMessageBox->size());
    QVERIFY(!inWindow.intersects(m_window->rect()));
    QVERIFY(!inWindow.intersects(m_ui.referFrame->geometry()));
    QVERIFY(m_ui.yourMessageBox->visibleRegion().isEmpty());
    QVERIFY(m_ui.yourMessageBox->isVisibleTo(m_window.get()));

    m_ui.friendNameBox->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_ui.friendNameBox, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_ui.yourMessageBox);
}

void tst_ExitScreenLayout::messageBoxReadsTypedLineBreaksAsCrLf()
{
    m_ui.yourMessageBox->clear();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_ui.yourMessageBox->setFocus();
    QTest::keyClicks(m_ui.yourMessageBox, QStringLiteral("Hi"));
    QTest::keyClick(m_ui.yourMessageBox, Qt::Key_Return);
    QTest::keyClicks(m_ui.yourMessageBox, QStringLiteral("there"));
    QCOMPARE(Ui::textBoxText(m_ui.yourMessageBox), QStringLiteral("Hi\r\nthere"));
}

void tst_ExitScreenLayout::promotionalMessageAsksForVisitsToTheForum_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("asksToTakePart");
    QTest::newRow("message 0") << 0 << true;
    QTest::newRow("message 1") << 1 << true;
    QTest::newRow("message 2") << 2 << false;
    QTest::newRow("message 3") << 3 << true;
}

void tst_ExitScreenLayout::promotionalMessageAsksForVisitsToTheForum()
{
    QFETCH(int, n);
    QFETCH(bool, asksToTakePart);
    const QString message = Ui::promotionalMessage(n);
    QVERIFY(message.contains(QStringLiteral("maintain and develop")));
    QVERIFY(message.contains(QStringLiteral("discussion web site www.quendrel.example/forum"))
            || message.contains(QStringLiteral("discussion web site, www.quendrel.example/forum")));
    QVERIFY(message.contains(QStringLiteral("regular")));
    QCOMPARE(message.contains(QStringLiteral("take part in the discussions")), asksToTakePart);
    // Whichever message the screen picks has to fit the label.
    m_ui.appealLabel->setText(message);
    verifyCaptionFits(m_ui.appealLabel);
}

void tst_ExitScreenLayout::homePageButtonIsACheckableLink()
{
    // "Click Here To Visit", the address of the page it opens, and "Now".
    const QString text = m_ui.visitSiteButton->text();
    QVERIFY(text.startsWith(QStringLiteral("Click Here To Visit ")));
    QVERIFY(text.endsWith(QStringLiteral(" Now")));
    const QString address = text.mid(20, text.size() - 24);
    QCOMPARE(QUrl(pageAddress(PageRole::HomePage)).host(), address);
    QVERIFY(m_ui.visitSiteButton->isCheckable());
    QVERIFY(!m_ui.visitSiteButton->isChecked());
    QCOMPARE(m_ui.visitSiteButton->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(m_ui.visitSiteButton->font().pixelSize(), 19);
    QVERIFY(!m_ui.visitSiteButton->font().bold());
    QCOMPARE(m_ui.visitSiteButton->palette().color(QPalette::ButtonText), QColor(0, 0, 192));
}

void tst_ExitScreenLayout::otherProgramsTextIsTwoParagraphs()
{
    const QString text = m_ui.otherProgramsText->text();
    QCOMPARE(text.count(QStringLiteral("\n\n")), 1);
    QVERIFY(text.size() >= 500 && text.size() <= 600);
    for (const char *word : {"astrology", "psychic", "tarot", "numerology", "occult", "simple",
                             "fun", "informative", "try", "friends"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
    QCOMPARE(m_ui.otherProgramsText->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void tst_ExitScreenLayout::iconSitsAtTheTopLeftOfItsBox()
{
    QCOMPARE(m_ui.iconBox->pixmap().size(), QSize(32, 32));
    QCOMPARE(m_ui.iconBox->frameShape(), QFrame::NoFrame);
    QCOMPARE(m_ui.iconBox->contentsRect().topLeft(), QPoint(0, 0));
    QVERIFY(m_ui.iconBox->alignment().testFlags(Qt::AlignLeft | Qt::AlignTop));
}

void tst_ExitScreenLayout::colourIsTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("white window") << "exitScreen" << QPoint(3, 3) << QColor(Qt::white);
    // Beside the captions: inside the three-dimensional border the style shades.
    QTest::newRow("navy download column") << "downloadFrame" << QPoint(240, 3) << QColor(0, 0, 128);
    QTest::newRow("navy refer-a-friend frame") << "referFrame" << QPoint(400, 3) << QColor(0, 0, 128);
    QTest::newRow("white text box") << "yourNameBox" << QPoint(200, 10) << QColor(Qt::white);
}

void tst_ExitScreenLayout::colourIsTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QWidget *widget = name == m_window->objectName() ? m_window.get() : control(name);
    QCOMPARE(shownColour(m_window.get(), widget, at), colour);
}

void tst_ExitScreenLayout::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"downloadFrame", "catalogueLink", "otherProgramsText", "referFrame", "friendNameBox",
                             "friendEmailBox", "yourEmailBox", "referButton", "yourNameBox", "exitButton",
                             "visitSiteButton", "appealLabel", "titleLabel"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_ExitScreenLayout::captionFitsItsControl()
{
    QFETCH(QString, name);
    verifyCaptionFits(control(name));
}

void tst_ExitScreenLayout::tabOrderFollowsTheDesign()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QStringList expected{"exitButton", "visitSiteButton", "yourNameBox", "referButton", "yourEmailBox",
                               "friendEmailBox", "friendNameBox", "yourMessageBox", "exitButton"};
    QCOMPARE(tabSequence(m_ui.exitButton, 8), expected);
}

QTEST_MAIN(tst_ExitScreenLayout)
#include "tst_exit_screen_layout.moc"

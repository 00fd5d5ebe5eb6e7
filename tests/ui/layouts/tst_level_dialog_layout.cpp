#include "dialog_layout_checks.h"
#include "ui/layouts/design.h"
#include "ui/layouts/level_dialog_layout.h"
#include "ui/widgets/link_button.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace DialogChecks;

class tst_LevelDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogHasTheDesignedFrameAndOpensCentred();
    void controlLiesWhereTheDesignPutsIt_data();
    void controlLiesWhereTheDesignPutsIt();
    void levelChoiceCoversTheScoreViewExactly();
    void fullBrandingOfferLiesOverCoBranding();
    void beginnerIsSelectedAndTheLevelsExcludeEachOther();
    void coBrandingCaptionShowsOneAmpersand();
    void forumBannerNamesTheForumSite();
    void scoreBoxIsAnEmptyEditableMultiLineBox();
    void colourIsTheDesignColour_data();
    void colourIsTheDesignColour();
    void captionFitsItsControl_data();
    void captionFitsItsControl();
    void tabOrderFollowsTheDesign();

private:
    std::unique_ptr<QDialog> m_dialog;
    Ui::LevelDialog m_ui;

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_dialog->findChild<T *>(name);
    }
};

void tst_LevelDialogLayout::init()
{
    m_dialog = std::make_unique<QDialog>();
    m_ui = Ui::LevelDialog();
    m_ui.setupUi(m_dialog.get());
}

void tst_LevelDialogLayout::cleanup()
{
    m_dialog.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_LevelDialogLayout::dialogHasTheDesignedFrameAndOpensCentred()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Corvella v1.50"));
    QCOMPARE(m_dialog->font().family(), Design::fontFamily());
    QVERIFY(m_dialog->windowIcon().isNull());
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowTitleHint));
    verifyFixedCentredWindow(m_dialog.get(), QStringLiteral("levelDialog"), QSize(px(5070), px(4935)));
}

void tst_LevelDialogLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    const QString dialog = QStringLiteral("levelDialog");
    QTest::newRow("brandBar") << "brandBar" << dialog << pxRect(0, 3840, 5055, 1095) << "";
    QTest::newRow("brandStack") << "brandStack" << "brandBar" << pxRect(120, 120, 4785, 855) << "";
    QTest::newRow("fullBrandLink")
        << "fullBrandLink" << "brandStack" << pxRect(0, 0, 4785, 855)
        << "Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website. Click here for more details.";
    QTest::newRow("coBrandLink") << "coBrandLink" << "brandStack" << pxRect(0, 0, 4785, 855)
                                << Design::coBrandCaption();
    QTest::newRow("forumBanner") << "forumBanner" << dialog << pxRect(0, 0, 5055, 855) << "";
    QTest::newRow("forumLink") << "forumLink" << "forumBanner" << pxRect(120, 135, 4920, 585)
                             << Design::forumPromotion();
    QTest::newRow("pageStack") << "pageStack" << dialog << pxRect(0, 840, 5055, 2895) << "";
    QTest::newRow("levelPanel") << "levelPanel" << "pageStack" << pxRect(0, 0, 5055, 2895) << "";
    QTest::newRow("levelGroup") << "levelGroup" << "levelPanel" << pxRect(360, 720, 4335, 1455)
                            << "Select an Option";
    QTest::newRow("expertOption") << "expertOption" << "levelGroup" << pxRect(1320, 960, 1935, 375) << "Expert";
    QTest::newRow("intermediateOption") << "intermediateOption" << "levelGroup" << pxRect(1320, 600, 1935, 375)
                                     << "Intermediate";
    QTest::newRow("beginnerOption") << "beginnerOption" << "levelGroup" << pxRect(1320, 240, 1935, 375)
                                 << "Beginner";
    QTest::newRow("okButton") << "okButton" << "levelPanel" << pxRect(360, 2280, 4335, 495) << "&OK";
    QTest::newRow("invitationLabel") << "invitationLabel" << "levelPanel" << pxRect(360, 240, 4335, 375)
                            << "Improve your Psychic Abilities by taking the Corvella Software";
    QTest::newRow("scorePage") << "scorePage" << "pageStack" << pxRect(0, 0, 5055, 2895) << "";
    QTest::newRow("scorePanel") << "scorePanel" << "scorePage" << pxRect(0, 0, 5055, 2895) << "Score";
    QTest::newRow("scoreOkButton") << "scoreOkButton" << "scorePanel" << pxRect(40, 2280, 4935, 495) << "&OK";
    QTest::newRow("scoreBox") << "scoreBox" << "scorePanel" << pxRect(0, 240, 5055, 1935) << "";
}

void tst_LevelDialogLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    verifyPlace(m_dialog.get(), name, container, geometry, caption);
}

// The same rectangle: every point of it belongs to the panel in front.
void tst_LevelDialogLayout::levelChoiceCoversTheScoreViewExactly()
{
    const QRect band = m_ui.pageStack->geometry();
    for (QWidget *front : {static_cast<QWidget *>(m_ui.levelPanel), static_cast<QWidget *>(m_ui.scorePage)}) {
        m_ui.pageStack->setCurrentWidget(front);
        for (QPoint at : {band.topLeft(), band.center(), band.bottomRight(), band.topRight()}) {
            QWidget *shown = m_dialog->childAt(at);
            QVERIFY(shown == front || front->isAncestorOf(shown));
        }
    }
}

void tst_LevelDialogLayout::fullBrandingOfferLiesOverCoBranding()
{
    const QPoint centre = m_ui.brandStack->geometry().center();
    QCOMPARE(m_ui.brandBar->childAt(centre), m_ui.fullBrandLink);
}

void tst_LevelDialogLayout::beginnerIsSelectedAndTheLevelsExcludeEachOther()
{
    QVERIFY(m_ui.beginnerOption->isChecked());
    QVERIFY(!m_ui.intermediateOption->isChecked());
    QVERIFY(!m_ui.expertOption->isChecked());

    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    // Clicks on the round indicators.
    QTest::mouseClick(m_ui.expertOption, Qt::LeftButton, {}, QPoint(8, m_ui.expertOption->height() / 2));
    QVERIFY(m_ui.expertOption->isChecked());
    QVERIFY(!m_ui.beginnerOption->isChecked());
    QTest::mouseClick(m_ui.intermediateOption, Qt::LeftButton, {},
                      QPoint(8, m_ui.intermediateOption->height() / 2));
    QVERIFY(m_ui.intermediateOption->isChecked());
    QVERIFY(!m_ui.expertOption->isChecked());
}

void tst_LevelDialogLayout::coBrandingCaptionShowsOneAmpersand()
{
    const QString shown = m_ui.coBrandLink->text();
    QCOMPARE(shown.count(QLatin1Char('&')), 1);
    QVERIFY(shown.contains(QStringLiteral("Put your site's name &  link here. See \"Help\" for details.")));
    QVERIFY(shown.startsWith(QStringLiteral("Co-brand this software for your site.  Increase")));
    QVERIFY(shown.endsWith(QStringLiteral("    Click Here for more info on co-branding.")));
    // A button would take the "&" for an access key and hide it.
    QVERIFY(m_ui.coBrandLink->shortcut().isEmpty());
}

void tst_LevelDialogLayout::forumBannerNamesTheForumSite()
{
    const QString banner = m_ui.forumLink->text();
    // Three sentences: three full stops or exclamation marks that end a sentence.
    QCOMPARE(banner.count(QRegularExpression(QStringLiteral("[.!?](\\s|$)"))), 3);
    QVERIFY(banner.contains(QStringLiteral("www.quendrel.example/forum")));
    QVERIFY(qobject_cast<LinkButton *>(m_ui.forumLink));
    QCOMPARE(m_ui.forumLink->cursor().shape(), Qt::PointingHandCursor);
}

void tst_LevelDialogLayout::scoreBoxIsAnEmptyEditableMultiLineBox()
{
    QVERIFY(m_ui.scoreBox->toPlainText().isEmpty());
    QVERIFY(!m_ui.scoreBox->isReadOnly());
    QVERIFY(m_ui.scoreBox->font().bold());
    m_ui.scoreBox->setPlainText(QStringLiteral("\r\n\r\nBeginner level :-  1 Correct Out Of 3 Attempts"));
    QCOMPARE(m_ui.scoreBox->document()->blockCount(), 3);
}

void tst_LevelDialogLayout::colourIsTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("dialog pink in the level choice") << "levelPanel" << QPoint(4, 4)
                                                     << QColor(255, 192, 255);
    QTest::newRow("option frame pink") << "levelGroup" << QPoint(285, 3) << QColor(255, 128, 255);
    QTest::newRow("option button pink") << "intermediateOption" << QPoint(120, 3) << QColor(255, 128, 255);
    QTest::newRow("forum banner black") << "forumBanner" << QPoint(3, 3) << QColor(0, 0, 0);
    QTest::newRow("grey button") << "okButton" << QPoint(20, 16) << QColor(128, 128, 128);
    QTest::newRow("branding band button face")
        << "brandBar" << QPoint(4, 4) << QApplication::palette().color(QPalette::Button);
}

void tst_LevelDialogLayout::colourIsTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QCOMPARE(shownColour(m_dialog.get(), control(name), at), colour);
}

void tst_LevelDialogLayout::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"fullBrandLink", "coBrandLink", "forumLink", "levelGroup", "expertOption",
                             "intermediateOption", "beginnerOption", "okButton", "invitationLabel", "scorePanel",
                             "scoreOkButton"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_LevelDialogLayout::captionFitsItsControl()
{
    QFETCH(QString, name);
    verifyCaptionFits(control(name));
}

void tst_LevelDialogLayout::tabOrderFollowsTheDesign()
{
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    // Only the selected option button of the group takes the focus by Tab;
    // the page behind the one in front takes none.
    const QStringList levelChoice{QStringLiteral("okButton"), QStringLiteral("beginnerOption"),
                                  QStringLiteral("okButton")};
    QCOMPARE(tabSequence(m_ui.okButton, 2), levelChoice);
    m_ui.pageStack->setCurrentWidget(m_ui.scorePage);
    const QStringList scoreView{QStringLiteral("scoreBox"), QStringLiteral("scoreOkButton"),
                                QStringLiteral("scoreBox")};
    QCOMPARE(tabSequence(m_ui.scoreBox, 2), scoreView);
}

QTEST_MAIN(tst_LevelDialogLayout)
#include "tst_level_dialog_layout.moc"

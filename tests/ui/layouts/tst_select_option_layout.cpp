#include "dialog_layout_checks.h"
#include "ui/layouts/design.h"
#include "ui/layouts/level_dialog_layout.h"
#include "ui/widgets/link_label.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace DialogChecks;

class tst_SelectOptionLayout : public QObject
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
    Ui::frmSelectOption m_ui;

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_dialog->findChild<T *>(name);
    }
};

void tst_SelectOptionLayout::init()
{
    m_dialog = std::make_unique<QDialog>();
    m_ui = Ui::frmSelectOption();
    m_ui.setupUi(m_dialog.get());
}

void tst_SelectOptionLayout::cleanup()
{
    m_dialog.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SelectOptionLayout::dialogHasTheDesignedFrameAndOpensCentred()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Corvella v1.50"));
    QCOMPARE(m_dialog->font().family(), Design::fontFamily());
    QVERIFY(m_dialog->windowIcon().isNull());
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowTitleHint));
    verifyFixedCentredWindow(m_dialog.get(), QStringLiteral("frmSelectOption"), QSize(px(5070), px(4935)));
}

void tst_SelectOptionLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    const QString dialog = QStringLiteral("frmSelectOption");
    QTest::newRow("fraFullBrand") << "fraFullBrand" << dialog << pxRect(0, 3840, 5055, 1095) << "";
    QTest::newRow("lblFullBrand")
        << "lblFullBrand" << "fraFullBrand" << pxRect(120, 120, 4785, 855)
        << "Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website. Click here for more details.";
    QTest::newRow("lblCobrand") << "lblCobrand" << "fraFullBrand" << pxRect(120, 120, 4785, 855)
                                << Design::CoBrandCaption();
    QTest::newRow("Frame3") << "Frame3" << dialog << pxRect(0, 0, 5055, 855) << "";
    QTest::newRow("Label61") << "Label61" << "Frame3" << pxRect(120, 135, 4920, 585)
                             << Design::ForumPromotion();
    QTest::newRow("fraSelectoption") << "fraSelectoption" << dialog << pxRect(0, 840, 5055, 2895) << "";
    QTest::newRow("Frame2") << "Frame2" << "fraSelectoption" << pxRect(360, 720, 4335, 1455)
                            << "Select an Option";
    QTest::newRow("optExpert") << "optExpert" << "Frame2" << pxRect(1320, 960, 1935, 375) << "Expert";
    QTest::newRow("optIntermediate") << "optIntermediate" << "Frame2" << pxRect(1320, 600, 1935, 375)
                                     << "Intermediate";
    QTest::newRow("optBeginner") << "optBeginner" << "Frame2" << pxRect(1320, 240, 1935, 375)
                                 << "Beginner";
    QTest::newRow("cmdOk") << "cmdOk" << "fraSelectoption" << pxRect(360, 2280, 4335, 495) << "&OK";
    QTest::newRow("Label1") << "Label1" << "fraSelectoption" << pxRect(360, 240, 4335, 375)
                            << "Improve your Psychic Abilities by taking the Corvella Software";
    QTest::newRow("fraScore") << "fraScore" << dialog << pxRect(0, 840, 5055, 2895) << "Score";
    QTest::newRow("cmdOkScore") << "cmdOkScore" << "fraScore" << pxRect(40, 2280, 4935, 495) << "&OK";
    QTest::newRow("txtTotalScore") << "txtTotalScore" << "fraScore" << pxRect(0, 240, 5055, 1935) << "";
}

void tst_SelectOptionLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    verifyPlace(m_dialog.get(), name, container, geometry, caption);
}

// The same rectangle: every point of it belongs to the panel in front.
void tst_SelectOptionLayout::levelChoiceCoversTheScoreViewExactly()
{
    QCOMPARE(m_ui.fraSelectoption->geometry(), m_ui.fraScore->geometry());
    // The forum banner reaches one pixel row into the band; look below it.
    const QRect band = m_ui.fraScore->geometry().adjusted(0, 1, 0, 0);
    for (QWidget *front : {static_cast<QWidget *>(m_ui.fraSelectoption), static_cast<QWidget *>(m_ui.fraScore)}) {
        front->raise();
        for (QPoint at : {band.topLeft(), band.center(), band.bottomRight(), band.topRight()}) {
            QWidget *shown = m_dialog->childAt(at);
            QVERIFY(shown == front || front->isAncestorOf(shown));
        }
    }
}

void tst_SelectOptionLayout::fullBrandingOfferLiesOverCoBranding()
{
    QCOMPARE(m_ui.lblFullBrand->geometry(), m_ui.lblCobrand->geometry());
    const QPoint centre = m_ui.lblFullBrand->geometry().center();
    QCOMPARE(m_ui.fraFullBrand->childAt(centre), m_ui.lblFullBrand);
}

void tst_SelectOptionLayout::beginnerIsSelectedAndTheLevelsExcludeEachOther()
{
    QVERIFY(m_ui.optBeginner->isChecked());
    QVERIFY(!m_ui.optIntermediate->isChecked());
    QVERIFY(!m_ui.optExpert->isChecked());

    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    // Clicks on the round indicators.
    QTest::mouseClick(m_ui.optExpert, Qt::LeftButton, {}, QPoint(8, m_ui.optExpert->height() / 2));
    QVERIFY(m_ui.optExpert->isChecked());
    QVERIFY(!m_ui.optBeginner->isChecked());
    QTest::mouseClick(m_ui.optIntermediate, Qt::LeftButton, {},
                      QPoint(8, m_ui.optIntermediate->height() / 2));
    QVERIFY(m_ui.optIntermediate->isChecked());
    QVERIFY(!m_ui.optExpert->isChecked());
}

void tst_SelectOptionLayout::coBrandingCaptionShowsOneAmpersand()
{
    const QString shown = m_ui.lblCobrand->text();
    QCOMPARE(shown.count(QLatin1Char('&')), 1);
    QVERIFY(shown.contains(QStringLiteral("Put your site's name &  link here. See \"Help\" for details.")));
    QVERIFY(shown.startsWith(QStringLiteral("Co-brand this software for your site.  Increase")));
    QVERIFY(shown.endsWith(QStringLiteral("    Click Here for more info on co-branding.")));
    // A label with a buddy would turn "&" into an access key and hide it.
    QVERIFY(!m_ui.lblCobrand->buddy());
}

void tst_SelectOptionLayout::forumBannerNamesTheForumSite()
{
    const QString banner = m_ui.Label61->text();
    // Three sentences: three full stops or exclamation marks that end a sentence.
    QCOMPARE(banner.count(QRegularExpression(QStringLiteral("[.!?](\\s|$)"))), 3);
    QVERIFY(banner.contains(QStringLiteral("www.quendrel.example/forum")));
    QVERIFY(qobject_cast<LinkLabel *>(m_ui.Label61));
    QCOMPARE(m_ui.Label61->cursor().shape(), Qt::PointingHandCursor);
}

void tst_SelectOptionLayout::scoreBoxIsAnEmptyEditableMultiLineBox()
{
    QVERIFY(m_ui.txtTotalScore->toPlainText().isEmpty());
    QVERIFY(!m_ui.txtTotalScore->isReadOnly());
    QVERIFY(m_ui.txtTotalScore->font().bold());
    m_ui.txtTotalScore->setPlainText(QStringLiteral("\r\n\r\nBeginner level :-  1 Correct Out Of 3 Attempts"));
    QCOMPARE(m_ui.txtTotalScore->document()->blockCount(), 3);
}

void tst_SelectOptionLayout::colourIsTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("dialog pink in the level choice") << "fraSelectoption" << QPoint(4, 4)
                                                     << QColor(255, 192, 255);
    QTest::newRow("option frame pink") << "Frame2" << QPoint(285, 3) << QColor(255, 128, 255);
    QTest::newRow("option button pink") << "optIntermediate" << QPoint(120, 3) << QColor(255, 128, 255);
    QTest::newRow("forum banner black") << "Frame3" << QPoint(3, 3) << QColor(0, 0, 0);
    QTest::newRow("grey button") << "cmdOk" << QPoint(20, 16) << QColor(128, 128, 128);
    QTest::newRow("branding band button face")
        << "fraFullBrand" << QPoint(4, 4) << QApplication::palette().color(QPalette::Button);
}

void tst_SelectOptionLayout::colourIsTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QCOMPARE(shownColour(m_dialog.get(), control(name), at), colour);
}

void tst_SelectOptionLayout::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"lblFullBrand", "lblCobrand", "Label61", "Frame2", "optExpert",
                             "optIntermediate", "optBeginner", "cmdOk", "Label1", "fraScore",
                             "cmdOkScore"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_SelectOptionLayout::captionFitsItsControl()
{
    QFETCH(QString, name);
    verifyCaptionFits(control(name));
}

void tst_SelectOptionLayout::tabOrderFollowsTheDesign()
{
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    // Only the selected option button of the group takes the focus by Tab.
    const QStringList expected{QStringLiteral("cmdOk"), QStringLiteral("optBeginner"),
                               QStringLiteral("txtTotalScore"), QStringLiteral("cmdOkScore"),
                               QStringLiteral("cmdOk")};
    QCOMPARE(tabSequence(m_ui.cmdOk, 4), expected);
}

QTEST_MAIN(tst_SelectOptionLayout)
#include "tst_select_option_layout.moc"

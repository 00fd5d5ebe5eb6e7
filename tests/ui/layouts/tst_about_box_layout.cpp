#include "services/web_links.h"
#include "dialog_layout_checks.h"
#include "ui/layouts/about_box_layout.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace DialogChecks;

class tst_AboutBoxLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogHasTheDesignedFrameAndOpensCentred();
    void controlLiesWhereTheDesignPutsIt_data();
    void controlLiesWhereTheDesignPutsIt();
    void descriptionEndsWithOneSentenceAboutTheMaker();
    void homePageLinkInvitesToTheMakersSite();
    void iconShowsInABorderedBox();
    void ruleRunsAcrossTheWholeWidthAboveTheButton();
    void fullBrandingOfferLiesOverItsDetailsLink();
    void okIsTheDefaultButton();
    void backgroundIsTheDesignPink();
    void captionFitsItsControl_data();
    void captionFitsItsControl();
    void offerIsClippedAtTheRightEdge();

private:
    std::unique_ptr<QDialog> m_dialog;
    Ui::AboutBox m_ui;
};

void tst_AboutBoxLayout::init()
{
    m_dialog = std::make_unique<QDialog>();
    m_ui = Ui::AboutBox();
    m_ui.setupUi(m_dialog.get());
}

void tst_AboutBoxLayout::cleanup()
{
    m_dialog.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// A dialog window is transient and gets no taskbar entry of its own.
void tst_AboutBoxLayout::dialogHasTheDesignedFrameAndOpensCentred()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Corvella v1.50"));
    QVERIFY(!m_dialog->windowIcon().isNull());
    QCOMPARE(m_dialog->windowType(), Qt::Dialog);
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowTitleHint));
    verifyFixedCentredWindow(m_dialog.get(), QStringLiteral("aboutBox"), QSize(px(6060), px(4065)));
}

void tst_AboutBoxLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("iconBox") << "iconBox" << pxRect(150, 150, 510, 510) << "";
    QTest::newRow("okButton") << "okButton" << pxRect(4650, 3600, 1260, 345) << "&OK";
    QTest::newRow("homePageLink") << "homePageLink" << pxRect(1320, 2160, 4650, 195)
                                 << "Click here to visit www.quendrel.example today";
    QTest::newRow("fullBrandOffer") << "fullBrandOffer" << pxRect(150, 2520, 6165, 675)
                            << "Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your website.";
    QTest::newRow("fullBrandLink") << "fullBrandLink" << pxRect(3240, 3180, 2730, 195)
                                << " Click here for more details.";
    QTest::newRow("titleLabel") << "titleLabel" << pxRect(960, 240, 3285, 240) << "Corvella v1.50";
    QTest::newRow("descriptionLabel") << "descriptionLabel" << pxRect(210, 840, 5745, 1215) << "";
}

void tst_AboutBoxLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    verifyPlace(m_dialog.get(), name, QStringLiteral("aboutBox"), geometry, caption);
}

void tst_AboutBoxLayout::descriptionEndsWithOneSentenceAboutTheMaker()
{
    const QString given = QStringLiteral(
        "Corvella is a simple and effective software that aims to help people improve their "
        "psychic abilities. Everyone is born with intuition but may not be aware of it to be able "
        "to exercise this ability. Using this software will help a person know his inner self "
        "better and help people.");
    const QString text = m_ui.descriptionLabel->text();
    QVERIFY(text.startsWith(given + QLatin1Char(' ')));
    const QString closing = text.mid(given.size() + 1);
    QVERIFY(closing.contains(QStringLiteral("Quendrel")));
    QVERIFY(closing.endsWith(QLatin1Char('.')));
    QCOMPARE(closing.count(QLatin1Char('.')), 1);
}

void tst_AboutBoxLayout::homePageLinkInvitesToTheMakersSite()
{
    const QString text = m_ui.homePageLink->text();
    QCOMPARE(text.size(), 46);
    QVERIFY(text.startsWith(QStringLiteral("Click here")));
    QVERIFY(text.contains(QUrl(pageAddress(PageRole::HomePage)).host()));
    for (LinkButton *link : {m_ui.homePageLink, m_ui.fullBrandLink}) {
        QVERIFY(link->font().underline());
        QVERIFY(link->font().bold());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
}

void tst_AboutBoxLayout::iconShowsInABorderedBox()
{
    QCOMPARE(m_ui.iconBox->pixmap().size(), QSize(32, 32));
    QCOMPARE(m_ui.iconBox->size(), QSize(34, 34));
    QCOMPARE(m_ui.iconBox->frameShape(), QFrame::Box);
    QCOMPARE(m_ui.iconBox->lineWidth(), 1);
    // The picture sits inside the border, not under it.
    QCOMPARE(m_ui.iconBox->contentsRect(), QRect(1, 1, 32, 32));
}

void tst_AboutBoxLayout::ruleRunsAcrossTheWholeWidthAboveTheButton()
{
    const QRect rule = m_ui.separatorLine->geometry();
    QCOMPARE(rule.height(), 1);
    QCOMPARE(rule.top(), px(3510));
    QVERIFY(rule.left() < 0);
    QVERIFY(rule.right() >= m_dialog->width() - 1);
    QVERIFY(rule.bottom() < m_ui.okButton->geometry().top());
    // Drawn in the window-text colour across the window.
    const QImage shown = m_dialog->grab().toImage();
    const QColor text = m_dialog->palette().color(QPalette::WindowText);
    QCOMPARE(shown.pixelColor(0, rule.top()), text);
    QCOMPARE(shown.pixelColor(m_dialog->width() / 2, rule.top()), text);
    QCOMPARE(shown.pixelColor(m_dialog->width() - 1, rule.top()), text);
}

void tst_AboutBoxLayout::fullBrandingOfferLiesOverItsDetailsLink()
{
    // The two overlap by one pixel row: the earlier one of the design covers it.
    const QRect overlap = m_ui.fullBrandOffer->geometry().intersected(m_ui.fullBrandLink->geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(m_dialog->childAt(overlap.center()), m_ui.fullBrandOffer);
    // Labels lie beneath the button.
    QVERIFY(m_dialog->children().indexOf(m_ui.okButton) > m_dialog->children().indexOf(m_ui.descriptionLabel));
}

void tst_AboutBoxLayout::okIsTheDefaultButton()
{
    QVERIFY(m_ui.okButton->isDefault());
    QVERIFY(m_ui.okButton->font().bold());
    QCOMPARE(shownColour(m_dialog.get(), m_ui.okButton, QPoint(8, 6)), QColor(128, 128, 128));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QTRY_COMPARE(QApplication::focusWidget(), m_ui.okButton);
}

void tst_AboutBoxLayout::backgroundIsTheDesignPink()
{
    const QImage shown = m_dialog->grab().toImage();
    QCOMPARE(shown.pixelColor(3, 3), QColor(255, 128, 255));
    QCOMPARE(shown.pixelColor(m_dialog->width() - 3, m_dialog->height() - 3), QColor(255, 128, 255));
}

void tst_AboutBoxLayout::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"okButton", "homePageLink", "fullBrandLink", "titleLabel", "descriptionLabel"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_AboutBoxLayout::captionFitsItsControl()
{
    QFETCH(QString, name);
    verifyCaptionFits(m_dialog->findChild<QWidget *>(name));
}

void tst_AboutBoxLayout::offerIsClippedAtTheRightEdge()
{
    // Wider than the window by design; its text still has the lines it needs.
    QVERIFY(m_ui.fullBrandOffer->geometry().right() > m_dialog->width());
    verifyCaptionFits(m_ui.fullBrandOffer);
}

QTEST_MAIN(tst_AboutBoxLayout)
#include "tst_about_box_layout.moc"

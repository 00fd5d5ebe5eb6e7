#include "shown_main_window.h"

#include "dialog_layout_checks.h"

#include "ui/layouts/design.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <memory>

using DialogChecks::px;

// The main window's colours, pointers and captions as the user sees them.
class tst_MainWindowLook : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backgroundHasTheDesignColour_data();
    void backgroundHasTheDesignColour();
    void textHasTheDesignColour_data();
    void textHasTheDesignColour();
    void transparentLabelShowsItsContainer_data();
    void transparentLabelShowsItsContainer();
    void linkShowsTheHandPointer_data();
    void linkShowsTheHandPointer();
    void coBrandingLabelShowsOneAmpersand();
    void captionFitsItsControl_data();
    void captionFitsItsControl();

private:
    std::unique_ptr<ShownMainWindow> m_shown;
};

void tst_MainWindowLook::init()
{
    m_shown = std::make_unique<ShownMainWindow>();
    QVERIFY(m_shown->show());
}

void tst_MainWindowLook::cleanup()
{
    m_shown.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MainWindowLook::backgroundHasTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");

    const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
    for (const char *panel : {"coverPanel", "beginnerPanel", "intermediatePanel", "expertPanel"})
        QTest::newRow(panel) << QString::fromLatin1(panel) << QPoint(5, 5) << Design::panelPink;
    QTest::newRow("panel border is a plain line") << QStringLiteral("coverPanel") << QPoint(0, 100) << QColor(Qt::black);
    QTest::newRow("forumBanner") << QStringLiteral("forumBanner") << QPoint(3, 3) << QColor(Qt::black);
    QTest::newRow("bottomBar") << QStringLiteral("bottomBar") << QPoint(3, 3) << QColor(Qt::black);
    QTest::newRow("beginnerResultFrame") << QStringLiteral("beginnerResultFrame") << QPoint(20, 100) << Design::panelPink;
    QTest::newRow("intermediateResultFrame") << QStringLiteral("intermediateResultFrame") << QPoint(20, 100) << Design::panelPink;
    QTest::newRow("expertResultFrame") << QStringLiteral("expertResultFrame") << QPoint(12, 100) << Design::panelPink;
    QTest::newRow("coBrandLink") << QStringLiteral("coBrandLink") << QPoint(1, 1) << buttonFace;
    QTest::newRow("fullBrandLink") << QStringLiteral("fullBrandLink") << QPoint(1, 1) << buttonFace;
    QTest::newRow("waitTitle") << QStringLiteral("waitTitle") << QPoint(1, 1) << QColor(Qt::black);
    QTest::newRow("waitMessage") << QStringLiteral("waitMessage") << QPoint(1, 20) << Design::magenta;
    QTest::newRow("backButton") << QStringLiteral("backButton") << QPoint(5, 5) << QColor(128, 128, 128);
    QTest::newRow("beginnerScoreButton") << QStringLiteral("beginnerScoreButton") << QPoint(5, 5) << QColor(128, 128, 128);
}

void tst_MainWindowLook::backgroundHasTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    m_shown->ui.waitPanel->show();
    const QImage shot = m_shown->control(name)->grab().toImage();
    QCOMPARE(shot.pixelColor(at * shot.devicePixelRatio()).rgb(), colour.rgb());
}

void tst_MainWindowLook::textHasTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("forumLink") << QStringLiteral("forumLink") << Design::magenta;
    QTest::newRow("waitTitle") << QStringLiteral("waitTitle") << Design::magenta;
    QTest::newRow("waitMessage") << QStringLiteral("waitMessage") << QColor(Qt::black);
    QTest::newRow("coBrandLink") << QStringLiteral("coBrandLink") << QColor(0, 0, 255);
    QTest::newRow("fullBrandLink") << QStringLiteral("fullBrandLink") << QColor(0, 0, 255);
    QTest::newRow("exitButton") << QStringLiteral("exitButton") << QColor(Qt::black);
}

void tst_MainWindowLook::textHasTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    m_shown->ui.waitPanel->show();
    const QImage shot = m_shown->control(name)->grab().toImage();
    int inColour = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            inColour += shot.pixelColor(x, y).rgb() == colour.rgb();
    }
    QVERIFY2(inColour > 20, qPrintable(QString::number(inColour)));
}

void tst_MainWindowLook::transparentLabelShowsItsContainer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("forumLink") << QStringLiteral("forumLink") << QColor(Qt::black);
    QTest::newRow("beginnerHint") << QStringLiteral("beginnerHint") << Design::panelPink;
    QTest::newRow("intermediateHint") << QStringLiteral("intermediateHint") << Design::panelPink;
    QTest::newRow("expertHint") << QStringLiteral("expertHint") << Design::panelPink;
}

void tst_MainWindowLook::transparentLabelShowsItsContainer()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QWidget *label = m_shown->control(name);
    if (auto *stack = qobject_cast<QStackedWidget *>(label->parentWidget()->parentWidget()))
        stack->setCurrentWidget(label->parentWidget());
    // Sampled beside the centred caption, in the window as the user sees it.
    const QImage shot = m_shown->ui.clientArea->grab().toImage();
    const QPoint at = m_shown->inClientArea(label, QPoint(1, 1)) * shot.devicePixelRatio();
    QCOMPARE(shot.pixelColor(at).rgb(), colour.rgb());
}

void tst_MainWindowLook::linkShowsTheHandPointer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hand");
    QTest::newRow("forumLink") << QStringLiteral("forumLink") << true;
    QTest::newRow("coBrandLink") << QStringLiteral("coBrandLink") << true;
    QTest::newRow("fullBrandLink") << QStringLiteral("fullBrandLink") << true;
    QTest::newRow("beginnerResult") << QStringLiteral("beginnerResult") << false;
    QTest::newRow("intermediateResult") << QStringLiteral("intermediateResult") << false;
    QTest::newRow("expertResult") << QStringLiteral("expertResult") << false;
    QTest::newRow("beginnerHint") << QStringLiteral("beginnerHint") << false;
}

void tst_MainWindowLook::linkShowsTheHandPointer()
{
    QFETCH(QString, name);
    QFETCH(bool, hand);
    QCOMPARE(m_shown->control(name)->cursor().shape() == Qt::PointingHandCursor, hand);
}

void tst_MainWindowLook::coBrandingLabelShowsOneAmpersand()
{
    const QString shown = m_shown->ui.coBrandLink->text();
    QCOMPARE(shown.count(QLatin1Char('&')), 1);
    QVERIFY(shown.contains(QStringLiteral("name &  link here.")));
    QVERIFY(shown.contains(QStringLiteral("See \"Help\" for details.")));
    QVERIFY(m_shown->ui.coBrandLink->shortcut().isEmpty()); // the '&' marks no access key
}

void tst_MainWindowLook::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("visibleWidth");
    QTest::addColumn<int>("visibleHeight");

    // Widths and heights of -1 mean the control's own; the banner clips
    // forumLink at its height, the wait panel clips waitMessage at its width.
    const char *fitting[] = {"waitTitle", "coBrandLink", "fullBrandLink", "beginnerHint", "intermediateHint", "expertHint",
                             "backButton", "exitButton", "beginnerScoreButton", "intermediateScoreButton", "expertScoreButton",
                             "beginnerResultFrame", "intermediateResultFrame", "expertResultFrame", "outcomeLabel"};
    for (const char *name : fitting)
        QTest::newRow(name) << QString::fromLatin1(name) << -1 << -1;
    QTest::newRow("forumLink") << QStringLiteral("forumLink") << -1 << px(615) - px(135);
    QTest::newRow("waitMessage") << QStringLiteral("waitMessage") << px(5775) << px(840) - px(525);
}

void tst_MainWindowLook::captionFitsItsControl()
{
    QFETCH(QString, name);
    QFETCH(int, visibleWidth);
    QFETCH(int, visibleHeight);
    m_shown->ui.waitPanel->show();
    QWidget *widget = m_shown->control(name);
    QVERIFY(widget);
    // Only the part the user sees counts.
    widget->resize(visibleWidth < 0 ? widget->width() : visibleWidth,
                   visibleHeight < 0 ? widget->height() : visibleHeight);
    DialogChecks::verifyCaptionFits(widget);
}

QTEST_MAIN(tst_MainWindowLook)
#include "tst_main_window_look.moc"

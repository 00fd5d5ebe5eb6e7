#include "shown_main_window.h"

#include "dialog_layout_checks.h"

#include "ui/layouts/design.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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
    for (const char *panel : {"raCover", "fraBeginner", "fraIntermediate", "fraExpert"})
        QTest::newRow(panel) << QString::fromLatin1(panel) << QPoint(5, 5) << Design::panelPink;
    QTest::newRow("panel border is a plain line") << QStringLiteral("raCover") << QPoint(0, 100) << QColor(Qt::black);
    QTest::newRow("Frame2") << QStringLiteral("Frame2") << QPoint(3, 3) << QColor(Qt::black);
    QTest::newRow("Frame5") << QStringLiteral("Frame5") << QPoint(3, 3) << QColor(Qt::black);
    QTest::newRow("Frame6") << QStringLiteral("Frame6") << QPoint(20, 100) << Design::panelPink;
    QTest::newRow("Frame7") << QStringLiteral("Frame7") << QPoint(20, 100) << Design::panelPink;
    QTest::newRow("Frame8") << QStringLiteral("Frame8") << QPoint(12, 100) << Design::panelPink;
    QTest::newRow("lblCobrand") << QStringLiteral("lblCobrand") << QPoint(1, 1) << buttonFace;
    QTest::newRow("lblFullBrand") << QStringLiteral("lblFullBrand") << QPoint(1, 1) << buttonFace;
    QTest::newRow("Label7") << QStringLiteral("Label7") << QPoint(1, 1) << QColor(Qt::black);
    QTest::newRow("Label6") << QStringLiteral("Label6") << QPoint(1, 20) << Design::magenta;
    QTest::newRow("cmdBack") << QStringLiteral("cmdBack") << QPoint(5, 5) << QColor(128, 128, 128);
    QTest::newRow("cmdScore") << QStringLiteral("cmdScore") << QPoint(5, 5) << QColor(128, 128, 128);
}

void tst_MainWindowLook::backgroundHasTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    m_shown->ui.picMessage->show();
    const QImage shot = m_shown->control(name)->grab().toImage();
    QCOMPARE(shot.pixelColor(at * shot.devicePixelRatio()).rgb(), colour.rgb());
}

void tst_MainWindowLook::textHasTheDesignColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label61") << QStringLiteral("Label61") << Design::magenta;
    QTest::newRow("Label7") << QStringLiteral("Label7") << Design::magenta;
    QTest::newRow("Label6") << QStringLiteral("Label6") << QColor(Qt::black);
    QTest::newRow("lblCobrand") << QStringLiteral("lblCobrand") << QColor(0, 0, 255);
    QTest::newRow("lblFullBrand") << QStringLiteral("lblFullBrand") << QColor(0, 0, 255);
    QTest::newRow("cmdExit") << QStringLiteral("cmdExit") << QColor(Qt::black);
}

void tst_MainWindowLook::textHasTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    m_shown->ui.picMessage->show();
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
    QTest::newRow("Label61") << QStringLiteral("Label61") << QColor(Qt::black);
    QTest::newRow("Label1") << QStringLiteral("Label1") << Design::panelPink;
    QTest::newRow("Label2") << QStringLiteral("Label2") << Design::panelPink;
    QTest::newRow("Label3") << QStringLiteral("Label3") << Design::panelPink;
}

void tst_MainWindowLook::transparentLabelShowsItsContainer()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QWidget *label = m_shown->control(name);
    label->parentWidget()->raise();
    // Sampled beside the centred caption, in the window as the user sees it.
    const QImage shot = m_shown->ui.clientArea->grab().toImage();
    const QPoint at = m_shown->inClientArea(label, QPoint(1, 1)) * shot.devicePixelRatio();
    QCOMPARE(shot.pixelColor(at).rgb(), colour.rgb());
}

void tst_MainWindowLook::linkShowsTheHandPointer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hand");
    QTest::newRow("Label61") << QStringLiteral("Label61") << true;
    QTest::newRow("lblCobrand") << QStringLiteral("lblCobrand") << true;
    QTest::newRow("lblFullBrand") << QStringLiteral("lblFullBrand") << true;
    QTest::newRow("picZenerSymbol") << QStringLiteral("picZenerSymbol") << false;
    QTest::newRow("PicIntermediateResult") << QStringLiteral("PicIntermediateResult") << false;
    QTest::newRow("picExpertResult") << QStringLiteral("picExpertResult") << false;
    QTest::newRow("Label1") << QStringLiteral("Label1") << false;
}

void tst_MainWindowLook::linkShowsTheHandPointer()
{
    QFETCH(QString, name);
    QFETCH(bool, hand);
    QCOMPARE(m_shown->control(name)->cursor().shape() == Qt::PointingHandCursor, hand);
}

void tst_MainWindowLook::coBrandingLabelShowsOneAmpersand()
{
    const QString shown = m_shown->ui.lblCobrand->text();
    QCOMPARE(shown.count(QLatin1Char('&')), 1);
    QVERIFY(shown.contains(QStringLiteral("name &  link here.")));
    QVERIFY(shown.contains(QStringLiteral("See \"Help\" for details.")));
    QCOMPARE(m_shown->ui.lblCobrand->textFormat(), Qt::PlainText);
}

void tst_MainWindowLook::captionFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("visibleWidth");
    QTest::addColumn<int>("visibleHeight");

    // Widths and heights of -1 mean the control's own; the banner clips
    // Label61 at its height, the wait panel clips Label6 at its width.
    const char *fitting[] = {"Label7", "lblCobrand", "lblFullBrand", "Label1", "Label2", "Label3",
                             "cmdBack", "cmdExit", "cmdScore", "cmdIntermediateScore", "cmdExpertScore",
                             "Frame6", "Frame7", "Frame8", "lblScore"};
    for (const char *name : fitting)
        QTest::newRow(name) << QString::fromLatin1(name) << -1 << -1;
    QTest::newRow("Label61") << QStringLiteral("Label61") << -1 << px(615) - px(135);
    QTest::newRow("Label6") << QStringLiteral("Label6") << px(5775) << px(840) - px(525);
}

void tst_MainWindowLook::captionFitsItsControl()
{
    QFETCH(QString, name);
    QFETCH(int, visibleWidth);
    QFETCH(int, visibleHeight);
    m_shown->ui.picMessage->show();
    QWidget *widget = m_shown->control(name);
    QVERIFY(widget);
    // Only the part the user sees counts.
    widget->resize(visibleWidth < 0 ? widget->width() : visibleWidth,
                   visibleHeight < 0 ? widget->height() : visibleHeight);
    DialogChecks::verifyCaptionFits(widget);
}

QTEST_MAIN(tst_MainWindowLook)
#include "tst_main_window_look.moc"

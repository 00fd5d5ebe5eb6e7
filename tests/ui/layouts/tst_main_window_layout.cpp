#include "shown_main_window.h"

#include "dialog_layout_checks.h"

#include "ui/layouts/design.h"
#include "ui/widgets/link_button.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>

#include <memory>

using DialogChecks::pxRect;

// The main window as designed: its frame, every control's place, the stacking
// order and the pictures the panels show.
class tst_MainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowHasTheDesignedFixedFrame();
    void controlLiesWhereTheDesignPutsIt_data();
    void controlLiesWhereTheDesignPutsIt();
    void coverHidesEveryLevelPanelAtCreation();
    void levelPanelInFrontCoversTheOthers_data();
    void levelPanelInFrontCoversTheOthers();
    void bannerAndBottomBarCoverThePanelEdges();
    void outcomeLabelIsNeverSeen();
    void choicePictureShowsItsSymbol_data();
    void choicePictureShowsItsSymbol();
    void resultPicturesShowTheRestingPicture();

private:
    std::unique_ptr<ShownMainWindow> m_shown;
};

void tst_MainWindowLayout::init()
{
    m_shown = std::make_unique<ShownMainWindow>();
    QVERIFY(m_shown->show());
}

void tst_MainWindowLayout::cleanup()
{
    m_shown.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Title, icon and font; the client area at its designed size below the menu
// bar; no resizing, maximising or minimising; centred on the screen.
void tst_MainWindowLayout::windowHasTheDesignedFixedFrame()
{
    QMainWindow &window = m_shown->window;
    QWidget *clientArea = m_shown->ui.clientArea;
    QCOMPARE(window.objectName(), QStringLiteral("mainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Corvella v1.50"));
    QVERIFY(!programIconPicture().isNull());
    QCOMPARE(window.windowIcon().pixmap(32).toImage(), programIcon().pixmap(32).toImage());
    QCOMPARE(clientArea->font().family(), Design::fontFamily());
    QCOMPARE(clientArea->font().pixelSize(), 11);
    QVERIFY(!clientArea->font().bold());

    QCOMPARE(window.centralWidget(), clientArea);
    QCOMPARE(clientArea->size(), QSize(9495 / 15, 7215 / 15));
    QVERIFY(window.menuBar()->isVisible());
    QCOMPARE(clientArea->y(), window.menuBar()->geometry().bottom() + 1);
    QCOMPARE(window.height(), clientArea->geometry().bottom() + 1);
    QCOMPARE(window.width(), clientArea->width());

    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    const QSize before = window.size();
    window.resize(before + QSize(120, 80));
    QCOMPARE(window.size(), before);

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - available.center();
    QVERIFY2(std::abs(offset.x()) <= 2, qPrintable(QString::number(offset.x())));
    // The title bar may shift the frame by its own height.
    QVERIFY2(std::abs(offset.y()) <= 40, qPrintable(QString::number(offset.y())));
}

void tst_MainWindowLayout::controlLiesWhereTheDesignPutsIt_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("visible");

    auto row = [](const char *name, const char *parent, int l, int t, int w, int h, bool visible = true) {
        QTest::newRow(name) << QString::fromLatin1(parent) << pxRect(l, t, w, h) << visible;
    };
    row("waitPanel", "clientArea", 1860, 1440, 5775, 840, false);
    row("waitTitle", "waitPanel", 60, 60, 5175, 465);
    row("waitMessage", "waitPanel", 0, 525, 5805, 360);
    row("forumBanner", "clientArea", 0, 0, 9495, 615);
    row("forumLink", "forumBanner", 120, 135, 9240, 585);
    row("bottomBar", "clientArea", 0, 6240, 9495, 975);
    row("backButton", "bottomBar", 7200, 280, 1095, 375);
    row("exitButton", "bottomBar", 8400, 280, 975, 375);
    // Pages of a stack fill it; the one in front is shown, the others hidden.
    row("brandStack", "bottomBar", 120, 240, 6945, 615);
    row("coBrandLink", "brandStack", 0, 0, 6945, 615);
    row("fullBrandLink", "brandStack", 0, 0, 6945, 615, false);
    row("panelStack", "clientArea", 0, 600, 9495, 5655);
    row("coverPanel", "panelStack", 0, 0, 9495, 5655);
    for (const char *panel : {"beginnerPanel", "intermediatePanel", "expertPanel"})
        row(panel, "panelStack", 0, 0, 9495, 5655, false);
    row("outcomeLabel", "clientArea", 6360, 7080, 1695, 375, false);

    row("beginnerScoreButton", "beginnerPanel", 360, 5040, 8655, 495);
    row("beginnerResultFrame", "beginnerPanel", 3240, 120, 2895, 2055);
    row("beginnerResult", "beginnerResultFrame", 720, 360, 1515, 1470);
    row("beginnerHint", "beginnerPanel", 3045, 2280, 3525, 195);
    row("beginnerChoice0", "beginnerPanel", 360, 3480, 1500, 1500);
    row("beginnerChoice1", "beginnerPanel", 2160, 2520, 1500, 1500);
    row("beginnerChoice2", "beginnerPanel", 3960, 3480, 1500, 1500);
    row("beginnerChoice3", "beginnerPanel", 5760, 2520, 1500, 1500);
    row("beginnerChoice4", "beginnerPanel", 7560, 3480, 1500, 1500);

    row("intermediateScoreButton", "intermediatePanel", 1680, 5040, 6255, 495);
    row("intermediateResultFrame", "intermediatePanel", 3308, 120, 2895, 2055);
    row("intermediateResult", "intermediateResultFrame", 720, 360, 1515, 1470);
    row("intermediateHint", "intermediatePanel", 3045, 4680, 3525, 195);
    row("intermediateChoice0", "intermediatePanel", 120, 2280, 1500, 1500);
    row("intermediateChoice1", "intermediatePanel", 1680, 1560, 1500, 1500);
    row("intermediateChoice2", "intermediatePanel", 6360, 1560, 1500, 1500);
    row("intermediateChoice3", "intermediatePanel", 7920, 2280, 1500, 1500);
    row("intermediateChoice4", "intermediatePanel", 1680, 3120, 1500, 1455);
    row("intermediateChoice5", "intermediatePanel", 3240, 3120, 1515, 1470);
    row("intermediateChoice6", "intermediatePanel", 4800, 3120, 1515, 1470);
    row("intermediateChoice7", "intermediatePanel", 6360, 3120, 1515, 1470);

    row("expertScoreButton", "expertPanel", 120, 5040, 9255, 495);
    row("expertResultFrame", "expertPanel", 3548, 120, 2415, 1935);
    row("expertResult", "expertResultFrame", 480, 240, 1515, 1470);
    row("expertHint", "expertPanel", 2985, 4680, 3525, 195);
    row("expertChoice0", "expertPanel", 120, 1560, 1500, 1500);
    row("expertChoice1", "expertPanel", 1680, 1560, 1500, 1500);
    row("expertChoice2", "expertPanel", 6360, 1560, 1500, 1500);
    row("expertChoice3", "expertPanel", 7920, 1560, 1500, 1500);
    row("expertChoice4", "expertPanel", 120, 3120, 1530, 1455);
    row("expertChoice5", "expertPanel", 1680, 3120, 1515, 1470);
    row("expertChoice6", "expertPanel", 3240, 3120, 1530, 1470);
    row("expertChoice7", "expertPanel", 4800, 3120, 1515, 1470);
    row("expertChoice8", "expertPanel", 6360, 3120, 1515, 1470);
    row("expertChoice9", "expertPanel", 7920, 3120, 1515, 1470);
}

void tst_MainWindowLayout::controlLiesWhereTheDesignPutsIt()
{
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(bool, visible);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *widget = m_shown->control(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->pos(), place.topLeft());
    // A picture box takes the size of its picture; the design's sizes are
    // those of the pictures drawn for it.
    QPixmap picture;
    if (auto *box = qobject_cast<PictureBox *>(widget))
        picture = box->pixmap();
    else if (auto *button = qobject_cast<PictureButton *>(widget))
        picture = button->picture();
    if (!picture.isNull())
        QCOMPARE(widget->size(), picture.size());
    else
        QCOMPARE(widget->size(), place.size());
    // Shown in its container, if the container is.
    QCOMPARE(!widget->isHidden(), visible);
}

void tst_MainWindowLayout::coverHidesEveryLevelPanelAtCreation()
{
    // Before a level is chosen no choice picture can be clicked.
    QList<PictureButton *> choices;
    choices << QList<PictureButton *>(m_shown->ui.beginnerChoices.begin(), m_shown->ui.beginnerChoices.end())
            << QList<PictureButton *>(m_shown->ui.intermediateChoices.begin(), m_shown->ui.intermediateChoices.end())
            << QList<PictureButton *>(m_shown->ui.expertChoices.begin(), m_shown->ui.expertChoices.end());
    for (PictureButton *choice : std::as_const(choices)) {
        const QPoint centre = m_shown->inClientArea(choice, choice->rect().center());
        QVERIFY2(m_shown->ui.clientArea->childAt(centre) == m_shown->ui.coverPanel, qPrintable(choice->objectName()));
    }
}

void tst_MainWindowLayout::levelPanelInFrontCoversTheOthers_data()
{
    QTest::addColumn<QString>("panel");
    QTest::newRow("Beginner") << QStringLiteral("beginnerPanel");
    QTest::newRow("Intermediate") << QStringLiteral("intermediatePanel");
    QTest::newRow("Expert") << QStringLiteral("expertPanel");
}

void tst_MainWindowLayout::levelPanelInFrontCoversTheOthers()
{
    QFETCH(QString, panel);
    auto *front = m_shown->control<QFrame>(panel);
    m_shown->ui.panelStack->setCurrentWidget(front);
    // Every part of the panel area, sampled on a grid, belongs to the panel in front.
    const QRect area = m_shown->ui.panelStack->geometry().adjusted(0, 2, 0, -2);
    for (int y = area.top(); y <= area.bottom(); y += 7) {
        for (int x = area.left(); x <= area.right(); x += 7) {
            QWidget *shown = m_shown->ui.clientArea->childAt(x, y);
            QVERIFY2(coveredBy(shown, front), qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(
                                                    shown ? shown->objectName() : QString())));
        }
    }
}

void tst_MainWindowLayout::bannerAndBottomBarCoverThePanelEdges()
{
    // At creation the banner and the bar lie over the panel area's edges.
    const int panelTop = m_shown->ui.panelStack->y();
    const int panelBottom = m_shown->ui.panelStack->geometry().bottom();
    for (int x : {0, 316, 632}) {
        QVERIFY(coveredBy(m_shown->ui.clientArea->childAt(x, panelTop), m_shown->ui.forumBanner));
        QVERIFY(coveredBy(m_shown->ui.clientArea->childAt(x, panelBottom), m_shown->ui.bottomBar));
    }
}

void tst_MainWindowLayout::outcomeLabelIsNeverSeen()
{
    m_shown->ui.outcomeLabel->setText(QStringLiteral("Correct"));
    QVERIFY(!m_shown->ui.outcomeLabel->isVisible());
    const QRect place = m_shown->ui.outcomeLabel->geometry() & m_shown->ui.clientArea->rect();
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x)
            QVERIFY(coveredBy(m_shown->ui.clientArea->childAt(x, y), m_shown->ui.bottomBar));
    }
}

void tst_MainWindowLayout::choicePictureShowsItsSymbol_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("elements");
    QTest::newRow("Beginner") << int(Level::Beginner) << QStringLiteral("beginnerChoice") << 5;
    QTest::newRow("Intermediate") << int(Level::Intermediate) << QStringLiteral("intermediateChoice") << 8;
    QTest::newRow("Expert") << int(Level::Expert) << QStringLiteral("expertChoice") << 10;
}

void tst_MainWindowLayout::choicePictureShowsItsSymbol()
{
    QFETCH(int, level);
    QFETCH(QString, array);
    QFETCH(int, elements);

    const SymbolPictures lists = SymbolPictures::load();
    const PictureList &list = lists.forLevel(Level(level));
    const QColor windowBackground = QGuiApplication::palette().color(QPalette::Base);
    for (int i = 0; i < elements; ++i) {
        const QString name = QStringLiteral("%1%2").arg(array).arg(i);
        auto *choice = m_shown->control<PictureButton>(name);
        QVERIFY2(choice, qPrintable(name));
        const QImage symbol = list.picture(i + 1).toImage();
        QVERIFY2(!symbol.isNull(), qPrintable(name));
        QVERIFY2(choice->picture().toImage() == symbol, qPrintable(name));
        QCOMPARE(choice->size(), symbol.size());
        QCOMPARE(choice->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(choice->palette().color(choice->backgroundRole()), windowBackground);
    }
}

void tst_MainWindowLayout::resultPicturesShowTheRestingPicture()
{
    const QImage resting = SymbolPictures::load().beginner.picture(6).toImage();
    QVERIFY(!resting.isNull());
    for (PictureBox *result : {m_shown->ui.beginnerResult, m_shown->ui.intermediateResult, m_shown->ui.expertResult}) {
        QVERIFY2(result->pixmap().toImage() == resting, qPrintable(result->objectName()));
        QCOMPARE(result->size(), resting.size());
        QCOMPARE(result->frameShape(), QFrame::NoFrame);
    }
}

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_main_window_layout.moc"

#include "shown_main_window.h"

#include "dialog_layout_checks.h"

#include "ui/layouts/design.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
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
    void raisedLevelPanelCoversTheOthers_data();
    void raisedLevelPanelCoversTheOthers();
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
    QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
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
    row("picMessage", "clientArea", 1860, 1440, 5775, 840, false);
    row("Label7", "picMessage", 60, 60, 5175, 465, false);
    row("Label6", "picMessage", 0, 525, 5805, 360, false);
    row("Frame2", "clientArea", 0, 0, 9495, 615);
    row("Label61", "Frame2", 120, 135, 9240, 585);
    row("Frame5", "clientArea", 0, 6240, 9495, 975);
    row("cmdBack", "Frame5", 7200, 280, 1095, 375);
    row("cmdExit", "Frame5", 8400, 280, 975, 375);
    row("lblCobrand", "Frame5", 120, 240, 6945, 615);
    row("lblFullBrand", "Frame5", 120, 240, 6945, 615);
    for (const char *panel : {"raCover", "fraBeginner", "fraIntermediate", "fraExpert"})
        row(panel, "clientArea", 0, 600, 9495, 5655);
    row("lblScore", "clientArea", 6360, 7080, 1695, 375);

    row("cmdScore", "fraBeginner", 360, 5040, 8655, 495);
    row("Frame6", "fraBeginner", 3240, 120, 2895, 2055);
    row("picZenerSymbol", "Frame6", 720, 360, 1515, 1470);
    row("Label1", "fraBeginner", 3045, 2280, 3525, 195);
    row("cmdZener(0)", "fraBeginner", 360, 3480, 1500, 1500);
    row("cmdZener(1)", "fraBeginner", 2160, 2520, 1500, 1500);
    row("cmdZener(2)", "fraBeginner", 3960, 3480, 1500, 1500);
    row("cmdZener(3)", "fraBeginner", 5760, 2520, 1500, 1500);
    row("cmdZener(4)", "fraBeginner", 7560, 3480, 1500, 1500);

    row("cmdIntermediateScore", "fraIntermediate", 1680, 5040, 6255, 495);
    row("Frame7", "fraIntermediate", 3308, 120, 2895, 2055);
    row("PicIntermediateResult", "Frame7", 720, 360, 1515, 1470);
    row("Label2", "fraIntermediate", 3045, 4680, 3525, 195);
    row("PicIntermediate(0)", "fraIntermediate", 120, 2280, 1500, 1500);
    row("PicIntermediate(1)", "fraIntermediate", 1680, 1560, 1500, 1500);
    row("PicIntermediate(2)", "fraIntermediate", 6360, 1560, 1500, 1500);
    row("PicIntermediate(3)", "fraIntermediate", 7920, 2280, 1500, 1500);
    row("PicIntermediate(4)", "fraIntermediate", 1680, 3120, 1500, 1455);
    row("PicIntermediate(5)", "fraIntermediate", 3240, 3120, 1515, 1470);
    row("PicIntermediate(6)", "fraIntermediate", 4800, 3120, 1515, 1470);
    row("PicIntermediate(7)", "fraIntermediate", 6360, 3120, 1515, 1470);

    row("cmdExpertScore", "fraExpert", 120, 5040, 9255, 495);
    row("Frame8", "fraExpert", 3548, 120, 2415, 1935);
    row("picExpertResult", "Frame8", 480, 240, 1515, 1470);
    row("Label3", "fraExpert", 2985, 4680, 3525, 195);
    row("picExpert(0)", "fraExpert", 120, 1560, 1500, 1500);
    row("picExpert(1)", "fraExpert", 1680, 1560, 1500, 1500);
    row("picExpert(2)", "fraExpert", 6360, 1560, 1500, 1500);
    row("picExpert(3)", "fraExpert", 7920, 1560, 1500, 1500);
    row("picExpert(4)", "fraExpert", 120, 3120, 1530, 1455);
    row("picExpert(5)", "fraExpert", 1680, 3120, 1515, 1470);
    row("picExpert(6)", "fraExpert", 3240, 3120, 1530, 1470);
    row("picExpert(7)", "fraExpert", 4800, 3120, 1515, 1470);
    row("picExpert(8)", "fraExpert", 6360, 3120, 1515, 1470);
    row("picExpert(9)", "fraExpert", 7920, 3120, 1515, 1470);
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
    auto *picture = qobject_cast<PictureBox *>(widget);
    if (picture && !picture->pixmap().isNull())
        QCOMPARE(widget->size(), picture->pixmap().size());
    else
        QCOMPARE(widget->size(), place.size());
    QCOMPARE(widget->isVisible(), visible);
}

void tst_MainWindowLayout::coverHidesEveryLevelPanelAtCreation()
{
    // Before a level is chosen no choice picture can be clicked.
    QList<PictureBox *> choices;
    choices << QList<PictureBox *>(m_shown->ui.cmdZener.begin(), m_shown->ui.cmdZener.end())
            << QList<PictureBox *>(m_shown->ui.PicIntermediate.begin(), m_shown->ui.PicIntermediate.end())
            << QList<PictureBox *>(m_shown->ui.picExpert.begin(), m_shown->ui.picExpert.end());
    for (PictureBox *choice : std::as_const(choices)) {
        const QPoint centre = m_shown->inClientArea(choice, choice->rect().center());
        QVERIFY2(m_shown->ui.clientArea->childAt(centre) == m_shown->ui.raCover, qPrintable(choice->objectName()));
    }
}

void tst_MainWindowLayout::raisedLevelPanelCoversTheOthers_data()
{
    QTest::addColumn<QString>("panel");
    QTest::newRow("Beginner") << QStringLiteral("fraBeginner");
    QTest::newRow("Intermediate") << QStringLiteral("fraIntermediate");
    QTest::newRow("Expert") << QStringLiteral("fraExpert");
}

void tst_MainWindowLayout::raisedLevelPanelCoversTheOthers()
{
    QFETCH(QString, panel);
    auto *front = m_shown->control<QFrame>(panel);
    front->raise();
    // Every part of the panel area, sampled on a grid, belongs to the raised panel.
    const QRect area = front->geometry().adjusted(0, 2, 0, -2);
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
    const int panelTop = m_shown->ui.raCover->y();
    const int panelBottom = m_shown->ui.raCover->geometry().bottom();
    for (int x : {0, 316, 632}) {
        QVERIFY(coveredBy(m_shown->ui.clientArea->childAt(x, panelTop), m_shown->ui.Frame2));
        QVERIFY(coveredBy(m_shown->ui.clientArea->childAt(x, panelBottom), m_shown->ui.Frame5));
    }
}

void tst_MainWindowLayout::outcomeLabelIsNeverSeen()
{
    m_shown->ui.lblScore->setText(QStringLiteral("Correct"));
    QVERIFY(m_shown->ui.lblScore->isVisible());
    const QRect seen = m_shown->ui.lblScore->geometry() & m_shown->ui.clientArea->rect();
    QVERIFY(seen.height() < m_shown->ui.lblScore->height());
    for (int y = seen.top(); y <= seen.bottom(); ++y) {
        for (int x = seen.left(); x <= seen.right(); ++x)
            QVERIFY(coveredBy(m_shown->ui.clientArea->childAt(x, y), m_shown->ui.Frame5));
    }
}

void tst_MainWindowLayout::choicePictureShowsItsSymbol_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("elements");
    QTest::newRow("Beginner") << int(Level::Beginner) << QStringLiteral("cmdZener") << 5;
    QTest::newRow("Intermediate") << int(Level::Intermediate) << QStringLiteral("PicIntermediate") << 8;
    QTest::newRow("Expert") << int(Level::Expert) << QStringLiteral("picExpert") << 10;
}

void tst_MainWindowLayout::choicePictureShowsItsSymbol()
{
    QFETCH(int, level);
    QFETCH(QString, array);
    QFETCH(int, elements);

    const SymbolPictures lists = SymbolPictures::load();
    const ImageList &list = lists.forLevel(Level(level));
    const QColor windowBackground = QGuiApplication::palette().color(QPalette::Base);
    for (int i = 0; i < elements; ++i) {
        const QString name = QStringLiteral("%1(%2)").arg(array).arg(i);
        auto *choice = m_shown->control<PictureBox>(name);
        QVERIFY2(choice, qPrintable(name));
        const QImage symbol = list.ListImage(i + 1).toImage();
        QVERIFY2(!symbol.isNull(), qPrintable(name));
        QVERIFY2(choice->pixmap().toImage() == symbol, qPrintable(name));
        QCOMPARE(choice->size(), symbol.size());
        QVERIFY(choice->isClickable());
        QCOMPARE(choice->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(choice->frameShape(), QFrame::NoFrame);
        QCOMPARE(choice->palette().color(choice->backgroundRole()), windowBackground);
    }
}

void tst_MainWindowLayout::resultPicturesShowTheRestingPicture()
{
    const QImage resting = SymbolPictures::load().IMGBiggener.ListImage(6).toImage();
    QVERIFY(!resting.isNull());
    for (PictureBox *result : {m_shown->ui.picZenerSymbol, m_shown->ui.PicIntermediateResult, m_shown->ui.picExpertResult}) {
        QVERIFY2(result->pixmap().toImage() == resting, qPrintable(result->objectName()));
        QCOMPARE(result->size(), resting.size());
        QVERIFY(!result->isClickable());
        QCOMPARE(result->frameShape(), QFrame::NoFrame);
    }
}

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_main_window_layout.moc"

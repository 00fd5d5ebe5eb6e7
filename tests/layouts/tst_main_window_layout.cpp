#include "ui/layouts/design.h"
#include "ui/layouts/main_window_layout.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

int px(int twips)
{
    return int(std::lround(twips / 15.0));
}

QRect pxRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

bool coveredBy(const QWidget *shown, const QWidget *owner)
{
    return shown == owner || (shown && owner->isAncestorOf(shown));
}

} // namespace

class tst_MainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowHasTheDesignedFrame();
    void clientAreaIsTheDesignedSizeBelowTheMenuBar();
    void windowCannotBeResizedMaximisedOrMinimised();
    void windowOpensCentredOnTheScreen();

    void controlLiesWhereTheDesignPutsIt_data();
    void controlLiesWhereTheDesignPutsIt();

    void coverHidesEveryLevelPanelAtCreation();
    void raisedLevelPanelCoversTheOthers_data();
    void raisedLevelPanelCoversTheOthers();
    void bannerAndBottomBarCoverThePanelEdges();
    void waitPanelIsHiddenAndComesOutOnTop();
    void coBrandingLabelLiesOverFullBranding();
    void outcomeLabelIsNeverSeen();

    void choicePictureShowsItsSymbol_data();
    void choicePictureShowsItsSymbol();
    void resultPicturesShowTheRestingPicture();

    void backgroundHasTheDesignColour_data();
    void backgroundHasTheDesignColour();
    void textHasTheDesignColour_data();
    void textHasTheDesignColour();
    void coBrandingLabelShowsOneAmpersand();
    void captionFitsItsControl_data();
    void captionFitsItsControl();

    void tabOrderFollowsTheDesign();

    void menuEntryHasItsCaptionAndShortcut_data();
    void menuEntryHasItsCaptionAndShortcut();
    void menusHoldTheirEntriesInOrder();
    void shortcutWorksFromAnywhereInTheWindow_data();
    void shortcutWorksFromAnywhereInTheWindow();
    void makeMoneyOnlineCannotBeChosen();

private:
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QPoint inClientArea(const QWidget *widget, QPoint at) const
    {
        return widget->mapTo(m_ui->clientArea, at);
    }

    std::unique_ptr<QMainWindow> m_window;
    std::unique_ptr<Ui::frmMain> m_ui;
};

void tst_MainWindowLayout::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_ui = std::make_unique<Ui::frmMain>();
    m_ui->setupUi(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_MainWindowLayout::cleanup()
{
    m_window.reset();
    m_ui.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MainWindowLayout::windowHasTheDesignedFrame()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvella v1.50"));
    QVERIFY(!programIconPicture().isNull());
    QCOMPARE(m_window->windowIcon().pixmap(32).toImage(), programIcon().pixmap(32).toImage());
    QCOMPARE(m_ui->clientArea->font().family(), Design::fontFamily());
    QCOMPARE(m_ui->clientArea->font().pixelSize(), 11);
    QVERIFY(!m_ui->clientArea->font().bold());
}

void tst_MainWindowLayout::clientAreaIsTheDesignedSizeBelowTheMenuBar()
{
    QCOMPARE(m_window->centralWidget(), m_ui->clientArea);
    QCOMPARE(m_ui->clientArea->size(), QSize(9495 / 15, 7215 / 15));
    QVERIFY(m_window->menuBar()->isVisible());
    QCOMPARE(m_ui->clientArea->y(), m_window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_window->height(), m_ui->clientArea->geometry().bottom() + 1);
    QCOMPARE(m_window->width(), m_ui->clientArea->width());
}

void tst_MainWindowLayout::windowCannotBeResizedMaximisedOrMinimised()
{
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);

    const QSize before = m_window->size();
    m_window->resize(before + QSize(120, 80));
    QCOMPARE(m_window->size(), before);
}

void tst_MainWindowLayout::windowOpensCentredOnTheScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = m_window->frameGeometry().center() - available.center();
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
    QWidget *widget = control(name);
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
    choices << QList<PictureBox *>(m_ui->cmdZener.begin(), m_ui->cmdZener.end())
            << QList<PictureBox *>(m_ui->PicIntermediate.begin(), m_ui->PicIntermediate.end())
            << QList<PictureBox *>(m_ui->picExpert.begin(), m_ui->picExpert.end());
    for (PictureBox *choice : std::as_const(choices)) {
        const QPoint centre = inClientArea(choice, choice->rect().center());
        QVERIFY2(m_ui->clientArea->childAt(centre) == m_ui->raCover, qPrintable(choice->objectName()));
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
    auto *front = control<QFrame>(panel);
    front->raise();
    // Every part of the panel area, sampled on a grid, belongs to the raised panel.
    const QRect area = front->geometry().adjusted(0, 2, 0, -2);
    for (int y = area.top(); y <= area.bottom(); y += 7) {
        for (int x = area.left(); x <= area.right(); x += 7) {
            QWidget *shown = m_ui->clientArea->childAt(x, y);
            QVERIFY2(coveredBy(shown, front), qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(
                                                    shown ? shown->objectName() : QString())));
        }
    }
}

void tst_MainWindowLayout::bannerAndBottomBarCoverThePanelEdges()
{
    // At creation the banner and the bar lie over the panel area's edges.
    const int panelTop = m_ui->raCover->y();
    const int panelBottom = m_ui->raCover->geometry().bottom();
    for (int x : {0, 316, 632}) {
        QVERIFY(coveredBy(m_ui->clientArea->childAt(x, panelTop), m_ui->Frame2));
        QVERIFY(coveredBy(m_ui->clientArea->childAt(x, panelBottom), m_ui->Frame5));
    }
}

void tst_MainWindowLayout::waitPanelIsHiddenAndComesOutOnTop()
{
    QVERIFY(!m_ui->picMessage->isVisible());
    const QPoint centre = m_ui->picMessage->geometry().center();
    QVERIFY(!coveredBy(m_ui->clientArea->childAt(centre), m_ui->picMessage));

    // At creation it already lies over everything; raised, it stays on top
    // whichever panel was brought forward.
    m_ui->picMessage->show();
    QVERIFY(coveredBy(m_ui->clientArea->childAt(centre), m_ui->picMessage));
    m_ui->fraIntermediate->raise();
    m_ui->picMessage->raise();
    const QRect area = m_ui->picMessage->geometry();
    for (QPoint at : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight(), centre})
        QVERIFY(coveredBy(m_ui->clientArea->childAt(at), m_ui->picMessage));
}

void tst_MainWindowLayout::coBrandingLabelLiesOverFullBranding()
{
    const QPoint centre = m_ui->lblFullBrand->geometry().center();
    QCOMPARE(m_ui->Frame5->childAt(centre), m_ui->lblCobrand);
    m_ui->lblFullBrand->raise();
    QCOMPARE(m_ui->Frame5->childAt(centre), m_ui->lblFullBrand);
}

void tst_MainWindowLayout::outcomeLabelIsNeverSeen()
{
    m_ui->lblScore->setText(QStringLiteral("Correct"));
    QVERIFY(m_ui->lblScore->isVisible());
    const QRect seen = m_ui->lblScore->geometry() & m_ui->clientArea->rect();
    QVERIFY(seen.height() < m_ui->lblScore->height());
    for (int y = seen.top(); y <= seen.bottom(); ++y) {
        for (int x = seen.left(); x <= seen.right(); ++x)
            QVERIFY(coveredBy(m_ui->clientArea->childAt(x, y), m_ui->Frame5));
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
        auto *choice = control<PictureBox>(name);
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
    for (PictureBox *result : {m_ui->picZenerSymbol, m_ui->PicIntermediateResult, m_ui->picExpertResult}) {
        QVERIFY2(result->pixmap().toImage() == resting, qPrintable(result->objectName()));
        QCOMPARE(result->size(), resting.size());
        QVERIFY(!result->isClickable());
        QCOMPARE(result->frameShape(), QFrame::NoFrame);
    }
}

void tst_MainWindowLayout::backgroundHasTheDesignColour_data()
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

void tst_MainWindowLayout::backgroundHasTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    m_ui->picMessage->show();
    const QImage shot = control(name)->grab().toImage();
    QCOMPARE(shot.pixelColor(at * shot.devicePixelRatio()).rgb(), colour.rgb());
}

void tst_MainWindowLayout::textHasTheDesignColour_data()
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

void tst_MainWindowLayout::textHasTheDesignColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    m_ui->picMessage->show();
    const QImage shot = control(name)->grab().toImage();
    int inColour = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            inColour += shot.pixelColor(x, y).rgb() == colour.rgb();
    }
    QVERIFY2(inColour > 20, qPrintable(QString::number(inColour)));
}

void tst_MainWindowLayout::coBrandingLabelShowsOneAmpersand()
{
    const QString shown = m_ui->lblCobrand->text();
    QCOMPARE(shown.count(QLatin1Char('&')), 1);
    QVERIFY(shown.contains(QStringLiteral("name &  link here.")));
    QVERIFY(shown.contains(QStringLiteral("See \"Help\" for details.")));
    QCOMPARE(m_ui->lblCobrand->textFormat(), Qt::PlainText);
}

void tst_MainWindowLayout::captionFitsItsControl_data()
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

void tst_MainWindowLayout::captionFitsItsControl()
{
    QFETCH(QString, name);
    QFETCH(int, visibleWidth);
    QFETCH(int, visibleHeight);
    m_ui->picMessage->show();
    QWidget *widget = control(name);
    QVERIFY(widget);
    const int width = visibleWidth < 0 ? widget->width() : visibleWidth;
    const int height = visibleHeight < 0 ? widget->height() : visibleHeight;
    const QFontMetrics metrics(widget->font());

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QVERIFY(label->wordWrap());
        const QRect needed = metrics.boundingRect(QRect(0, 0, width, 10000),
                                                  int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(needed.width() <= width && needed.height() <= height,
                 qPrintable(QStringLiteral("needs %1 x %2, has %3 x %4")
                                .arg(needed.width()).arg(needed.height()).arg(width).arg(height)));
        return;
    }
    QString caption;
    int border = 0;
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        caption = button->text().remove(QLatin1Char('&'));
        border = 2 * 2 + 2 * 2; // the grey face's border and a little air
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        caption = frame->title();
        border = 2 * 10;
    }
    const int needed = metrics.horizontalAdvance(caption) + border;
    QVERIFY2(needed <= width, qPrintable(QStringLiteral("needs %1, has %2").arg(needed).arg(width)));
    QVERIFY(metrics.height() <= height);
}

void tst_MainWindowLayout::tabOrderFollowsTheDesign()
{
    // The design's tab positions of the controls that take the focus.
    const QList<QPair<int, QString>> design{
        {43, QStringLiteral("cmdScore")}, {39, QStringLiteral("cmdExit")},
        {47, QStringLiteral("cmdExpertScore")}, {40, QStringLiteral("cmdBack")},
        {45, QStringLiteral("cmdIntermediateScore")}};
    QList<QPair<int, QString>> sorted = design;
    std::sort(sorted.begin(), sorted.end());

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    control(sorted.first().second)->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i < sorted.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), sorted.at(i).second);
    }
}

void tst_MainWindowLayout::menuEntryHasItsCaptionAndShortcut_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    auto row = [](const char *name, const char *caption, QKeySequence shortcut = {}) {
        QTest::newRow(name) << QString::fromLatin1(caption) << shortcut;
    };
    row("mnuScore", "Score...", QKeySequence(Qt::CTRL | Qt::Key_S));
    row("mnuDifficulty", "Level of Difficulty...", QKeySequence(Qt::CTRL | Qt::Key_D));
    row("mnuExit", "E&xit");
    row("mnuOnline", "&Online Help");
    row("mnuVisit", "&Visit Us Online");
    row("mnuUpdate", "Check for Software &Update");
    row("mnuAbout", "&About Software");
    row("mnuDonate", "&Donate");
    row("mkmoney", "Make Money &Online");
}

void tst_MainWindowLayout::menuEntryHasItsCaptionAndShortcut()
{
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    auto *entry = control<QAction>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(entry);
    QCOMPARE(entry->text(), caption);
    QCOMPARE(entry->shortcut(), shortcut);
    QVERIFY(!entry->isCheckable());
}

void tst_MainWindowLayout::menusHoldTheirEntriesInOrder()
{
    auto names = [](const QList<QAction *> &actions) {
        QStringList result;
        for (QAction *action : actions)
            result << (action->menu() ? action->menu()->objectName() : action->objectName());
        return result;
    };
    QCOMPARE(m_ui->mnuFile->title(), QStringLiteral("&File"));
    QCOMPARE(m_ui->mnuHelp->title(), QStringLiteral("&Help"));
    QCOMPARE(names(m_window->menuBar()->actions()),
             QStringList({"mnuFile", "mnuHelp", "mnuDonate", "mkmoney"}));
    QCOMPARE(names(m_ui->mnuFile->actions()), QStringList({"mnuScore", "mnuDifficulty", "mnuExit"}));
    QCOMPARE(names(m_ui->mnuHelp->actions()),
             QStringList({"mnuOnline", "mnuVisit", "mnuHelp1", "mnuUpdate", "mnuHelp2", "mnuAbout"}));
    QVERIFY(m_ui->mnuHelp1->isSeparator());
    QVERIFY(m_ui->mnuHelp2->isSeparator());
    QVERIFY(!m_ui->mnuDonate->menu());
    QVERIFY(!m_ui->mkmoney->menu());
}

void tst_MainWindowLayout::shortcutWorksFromAnywhereInTheWindow_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("key");
    for (const char *focus : {"cmdExit", "cmdScore", "cmdExpertScore"}) {
        QTest::addRow("Ctrl+S, focus on %s", focus) << QString::fromLatin1(focus) << QStringLiteral("mnuScore")
                                                    << int(Qt::Key_S);
        QTest::addRow("Ctrl+D, focus on %s", focus) << QString::fromLatin1(focus)
                                                    << QStringLiteral("mnuDifficulty") << int(Qt::Key_D);
    }
}

void tst_MainWindowLayout::shortcutWorksFromAnywhereInTheWindow()
{
    QFETCH(QString, focus);
    QFETCH(QString, entry);
    QFETCH(int, key);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget *focused = control(focus);
    focused->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused);

    QSignalSpy triggered(control<QAction>(entry), &QAction::triggered);
    QTest::keyClick(focused, Qt::Key(key), Qt::ControlModifier);
    QTRY_COMPARE(triggered.count(), 1);
}

void tst_MainWindowLayout::makeMoneyOnlineCannotBeChosen()
{
    QAction *entry = m_ui->mkmoney;
    // Shown greyed out in the menu bar.
    QVERIFY(!entry->isEnabled());
    QSignalSpy triggered(entry, &QAction::triggered);
    QMenuBar *bar = m_window->menuBar();
    const QRect place = bar->actionGeometry(entry);
    QVERIFY(place.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, place.center());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(triggered.count(), 0);
}

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_main_window_layout.moc"

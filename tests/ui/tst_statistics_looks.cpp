#include "find_control.h"
#include "history_test_support.h"

#include "ui/statistics_window.h"
#include "ui/widgets/hit_rate_chart.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>

#include <cmath>

namespace {

// WCAG's contrast ratio of two colours.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb p) {
        const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(p)) + 0.7152 * linear(qGreen(p)) + 0.0722 * linear(qBlue(p));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb commonest(const QImage &image)
{
    QHash<QRgb, int> counts;
    QRgb best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb p = image.pixel(x, y); ++counts[p] > counts.value(best))
                best = p;
    return best;
}

// A text region as a reader meets it: its background (the commonest colour)
// against the ink that stands out most from it.
double textContrast(const QImage &region)
{
    const QRgb background = commonest(region);
    double best = 1.0;
    for (int y = 0; y < region.height(); ++y)
        for (int x = 0; x < region.width(); ++x)
            best = std::max(best, contrast(region.pixel(x, y), background));
    return best;
}

// The chance line in a picture of the chart: the rows in which its colour
// runs across most of the width, from the column where it starts.
QRect chanceLine(const QImage &image, QRgb chance)
{
    QRect line;
    for (int y = 0; y < image.height(); ++y) {
        int hits = 0, first = -1;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == chance && ++hits == 1)
                first = x;
        if (hits > image.width() / 2)
            line |= QRect(first, y, hits, 1);
    }
    return line;
}

} // namespace

// The Statistics window follows the desktop's palette, light or dark, and its
// chart is drawn at the screen's own resolution. Runs at a scale factor of 2
// (set in main() below, before the application starts).
class tst_StatisticsLooks : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void textIsReadableInTheDesktopsPalette_data();
    void textIsReadableInTheDesktopsPalette();
    void chartLinesAreSharpAtTwiceTheScale();

private:
    StatisticsWindow *openWithHistory();

    std::unique_ptr<HistoryRun> m_run;
};

void tst_StatisticsLooks::cleanup()
{
    qDeleteAll(m_run->windows.openWindows());
    m_run.reset();
    QApplication::setPalette(QPalette());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

StatisticsWindow *tst_StatisticsLooks::openWithHistory()
{
    m_run = std::make_unique<HistoryRun>();
    m_run->openHistory();
    m_run->store(Level::Beginner, 20, 30); // better than chance, the rate far above the chance line
    m_run->store(Level::Expert, 1, 3);
    auto *window = new StatisticsWindow(m_run->platform, m_run->windows);
    window->showUpToDate(m_run->context.history.get());
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void tst_StatisticsLooks::textIsReadableInTheDesktopsPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("default palette") << QPalette();
    // Button and window colours; the constructor makes text white on black.
    QPalette dark(QColor(0x3a, 0x3a, 0x3a), QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    QTest::newRow("dark palette") << dark;
}

void tst_StatisticsLooks::textIsReadableInTheDesktopsPalette()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    StatisticsWindow *window = openWithHistory();
    QVERIFY(window);
    // Everything above the buttons, whole: at twice the scale the offscreen
    // screen is too small for the window, whose figures then scroll.
    QWidget *content = control<QScrollArea>(window, "page")->widget();
    const QImage shot = content->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto region = [&](QWidget *widget, const QRect &rect) {
        const QRectF onWindow(widget->mapTo(content, rect.topLeft()), rect.size());
        const qreal ratio = shot.devicePixelRatio();
        return shot.copy(QRectF(onWindow.topLeft() * ratio, onWindow.size() * ratio).toRect());
    };
    const auto check = [](const QImage &image, const QString &what) {
        const double ratio = textContrast(image);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: contrast %2").arg(what).arg(ratio, 0, 'f', 2)));
    };

    for (const char *name : {"thisRunTable", "allTimeTable"}) {
        QTableWidget *table = control<QTableWidget>(window, name);
        QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < table->columnCount(); ++column) {
            if (table->isColumnHidden(column))
                continue;
            check(region(header, QRect(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                                       header->height())),
                  table->horizontalHeaderItem(column)->text());
            for (int row = 0; row < table->rowCount(); ++row)
                check(region(table->viewport(), table->visualRect(table->model()->index(row, column))),
                      table->item(row, column)->text());
        }
    }
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisible())
            check(region(label, label->contentsRect()), label->text());

    // The chart's lines stand out from its background (3:1 for graphics);
    // its rate labels, left of where the chance line starts, read as text.
    HitRateChart *chart = control<HitRateChart>(window, "chart");
    const QImage plot = region(chart, chart->rect());
    for (const QColor &line : {chart->chanceLineColour(), chart->rateLineColour()}) {
        bool drawn = false;
        for (int y = 0; y < plot.height() && !drawn; ++y)
            for (int x = 0; x < plot.width() && !drawn; ++x)
                drawn = plot.pixel(x, y) == line.rgb();
        QVERIFY2(drawn && contrast(line.rgb(), commonest(plot)) >= 3.0, qPrintable(line.name()));
    }
    const QRect line = chanceLine(plot, chart->chanceLineColour().rgb());
    QVERIFY2(line.left() > 4, "no chance line");
    check(plot.copy(0, 0, line.left() - 2, plot.height()), QStringLiteral("the chart's rate labels"));
}

// Sharp means drawn for the device pixels: the chance line covers whole
// device rows with nothing half-tone beside it (the background, or the band
// of no verdict around it), and the chart has detail
// finer than a logical pixel (a picture drawn at 1x and enlarged has none).
void tst_StatisticsLooks::chartLinesAreSharpAtTwiceTheScale()
{
    StatisticsWindow *window = openWithHistory();
    QVERIFY(window);
    HitRateChart *chart = control<HitRateChart>(window, "chart");
    const QImage image = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.size(), chart->size() * 2);

    const QRgb chance = chart->chanceLineColour().rgb();
    const QRect line = chanceLine(image, chance);
    QVERIFY2(line.top() > 0 && line.bottom() + 1 < image.height(), "no chance line");
    // A line of whole logical pixels covers an even number of device rows.
    QVERIFY2(line.height() % 2 == 0, qPrintable(QStringLiteral("the chance line is %1 rows high").arg(line.height())));
    int lineColumns = 0, crispColumns = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, line.top()) != chance)
            continue;
        ++lineColumns;
        // Beside the line, the plain background or the band of no verdict,
        // the same as one row further out: no half-tone of the line.
        crispColumns += image.pixel(x, line.top() - 1) == image.pixel(x, line.top() - 2)
            && image.pixel(x, line.bottom() + 1) == image.pixel(x, line.bottom() + 2);
    }
    QVERIFY2(crispColumns >= lineColumns * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2 columns of the chance line have sharp edges")
                            .arg(crispColumns)
                            .arg(lineColumns)));

    int fineBlocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            fineBlocks += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    QVERIFY2(fineBlocks > 50, qPrintable(QStringLiteral("only %1 blocks of 2x2 pixels hold detail").arg(fineBlocks)));
}

int main(int argc, char *argv[])
{
    // Before the application exists: the scale that a high-density screen gets.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    tst_StatisticsLooks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_statistics_looks.moc"

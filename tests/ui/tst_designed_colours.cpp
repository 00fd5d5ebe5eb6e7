#include "window_test_support.h"

#include "ui/layouts/about_box_layout.h"
#include "ui/layouts/exit_screen_layout.h"
#include "ui/layouts/level_dialog_layout.h"
#include "ui/layouts/main_window_layout.h"
#include "ui/result_dialog.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop palette, as Fusion's dark scheme and dark themes give it.
QPalette darkDesktopPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Dark, QColor(0x23, 0x23, 0x23));
    return dark;
}

// The part of a widget where its text is drawn, in its window's coordinates.
QRect textArea(QWidget *widget, QWidget *window)
{
    QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (auto *box = qobject_cast<QGroupBox *>(widget)) // the caption only
        area.setHeight(box->fontMetrics().height() + 4);
    return area;
}

bool bearsText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return !label->text().isEmpty();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return !button->text().isEmpty();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return !box->title().isEmpty();
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return !line->text().isEmpty() || !line->placeholderText().isEmpty();
    if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
        return !text->toPlainText().isEmpty() || !text->placeholderText().isEmpty();
    return false;
}

// Pixels that stand out at 4.5:1 or more from the region's commonest colour,
// the one behind the text.
int legiblePixels(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    int legible = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(it.key(), background) >= 4.5)
            legible += it.value();
    }
    return legible;
}

using Figures = QMap<QString, int>;

// Shows the window, takes its picture and measures every visible text.
void measure(const QString &state, QWidget *window, Figures &figures)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shot.devicePixelRatio();
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (!child->isVisibleTo(window) || !bearsText(child))
            continue;
        const QRect area = textArea(child, window);
        const QRect scaled(area.topLeft() * ratio, area.size() * ratio);
        const QString name = state + QLatin1Char('/')
            + (child->objectName().isEmpty() ? QString::fromLatin1(child->metaObject()->className())
                                             : child->objectName());
        figures.insert(name, legiblePixels(shot.copy(scaled.intersected(shot.rect()))));
    }
    window->close();
}

// Every window state, each built afresh under the application's palette.
Figures measureEveryWindow()
{
    Figures figures;
    const QList<QFrame *(*)(Ui::MainWindow &)> pages = {
        [](Ui::MainWindow &ui) { return ui.coverPanel; },
        [](Ui::MainWindow &ui) { return ui.beginnerPanel; },
        [](Ui::MainWindow &ui) { return ui.intermediatePanel; },
        [](Ui::MainWindow &ui) { return ui.expertPanel; },
    };
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QMainWindow window;
        Ui::MainWindow ui;
        ui.setupUi(&window);
        for (QFrame *(*other)(Ui::MainWindow &) : pages)
            other(ui)->setVisible(other == pages.at(page));
        measure(QStringLiteral("main page %1").arg(page), &window, figures);
    }
    for (bool score : {false, true}) {
        QDialog dialog;
        Ui::LevelDialog ui;
        ui.setupUi(&dialog);
        ui.levelPanel->setVisible(!score);
        ui.scorePanel->setVisible(score);
        // The score as the dialog fills it in, so the text box has text to measure.
        ui.scoreBox->setPlainText(QStringLiteral("Beginner\nRight 1 of 2"));
        measure(score ? QStringLiteral("level dialog score") : QStringLiteral("level dialog choice"),
                &dialog, figures);
    }
    for (Outcome outcome : {Outcome::Right, Outcome::Wrong}) {
        TestRun run;
        ResultDialog dialog(run.context);
        dialog.setMessage(outcome);
        measure(outcome == Outcome::Right ? QStringLiteral("result right") : QStringLiteral("result wrong"),
                &dialog, figures);
    }
    {
        QDialog dialog;
        Ui::AboutBox ui;
        ui.setupUi(&dialog);
        measure(QStringLiteral("about box"), &dialog, figures);
    }
    {
        QWidget window;
        Ui::ExitScreen ui;
        ui.setupUi(&window);
        measure(QStringLiteral("exit screen"), &window, figures);
    }
    return figures;
}

} // namespace

// Every window keeps its designed colours whatever palette the desktop
// gives the program: a dark one must not turn designed text white on pink.
class tst_DesignedColours : public QObject
{
    Q_OBJECT

private slots:
    void textStaysLegibleUnderADarkDesktopPalette();
    void cleanup();
};

void tst_DesignedColours::textStaysLegibleUnderADarkDesktopPalette()
{
    const QPalette desktop = QApplication::palette();
    const Figures light = measureEveryWindow();
    QApplication::setPalette(darkDesktopPalette());
    const Figures dark = measureEveryWindow();
    QApplication::setPalette(desktop);

    QVERIFY(!light.isEmpty());
    QStringList faded;
    for (auto it = light.cbegin(); it != light.cend(); ++it) {
        const int underDark = dark.value(it.key(), -1);
        qInfo("%-60s legible pixels: default %6d, dark %6d", qPrintable(it.key()), it.value(), underDark);
        // As legible as under the default palette, give or take the odd
        // antialiased edge.
        if (it.value() > 0 && underDark * 2 < it.value())
            faded.append(it.key());
    }
    QVERIFY2(faded.isEmpty(), qPrintable(QStringLiteral("text that fades under a dark palette: ")
                                         + faded.join(QStringLiteral(", "))));
}

void tst_DesignedColours::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_DesignedColours)
#include "tst_designed_colours.moc"

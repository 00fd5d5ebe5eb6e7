#include "ui/layouts/statistics_window_layout.h"

#include "symboltest/level.h"
#include "ui/statistics_texts.h"
#include "ui/widgets/hit_rate_chart.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Ui {

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *title(QDialog *dialog, const char *name, const QString &caption)
{
    auto *label = named(new QLabel(caption, dialog), name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// One row per level; the cells are read-only and Tab leaves the table, so the
// keyboard reaches the buttons, while the arrows and a screen reader still
// walk the cells.
QTableWidget *levelTable(QDialog *dialog, const char *name, const QString &accessibleName,
                         const QStringList &headers)
{
    auto *table = named(new QTableWidget(int(AllLevels.size()), StatisticsWindow::ColumnCount, dialog), name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (Level level : AllLevels) {
        auto *cell = new QTableWidgetItem(StatisticsTexts::levelName(level));
        table->setItem(levelIndex(level), StatisticsWindow::LevelColumn, cell);
        for (int column = StatisticsWindow::GuessesColumn; column < StatisticsWindow::ColumnCount; ++column) {
            auto *figure = new QTableWidgetItem;
            figure->setTextAlignment(column == StatisticsWindow::VerdictColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                                               : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(levelIndex(level), column, figure);
        }
    }
    return table;
}

// A scroll area that asks for the whole of its contents: scroll bars only
// where the screen cannot give that room.
class FullSizeScrollArea : public QScrollArea
{
public:
    explicit FullSizeScrollArea(QWidget *parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

} // namespace

void StatisticsWindow::setupUi(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("StatisticsWindow"));
    dialog->setWindowTitle(tr("Statistics"));

    historyNote = named(new QLabel(dialog), "historyNote");
    historyNote->setWordWrap(true);
    historyNote->setVisible(false);
    historyNote->setContentsMargins(0, 0, 0, dialog->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));

    const QStringList headers{tr("Level"),        tr("Guesses"),
                              tr("Right"),        tr("Hit rate"),
                              tr("95% interval\n(fixed-sample)"), tr("Chance alone"),
                              tr("Difference\nfrom chance"), tr("Verdict")};
    thisRunTitle = title(dialog, "thisRunTitle", tr("&This run"));
    thisRunTable = levelTable(dialog, "thisRunTable", tr("This run"), headers);
    thisRunTitle->setBuddy(thisRunTable);
    allTimeTitle = title(dialog, "allTimeTitle", tr("&All time"));
    allTimeTable = levelTable(dialog, "allTimeTable", tr("All time"), headers);
    allTimeTitle->setBuddy(allTimeTable);
    // The guesses of one run are told as they are: a verdict belongs to the
    // whole history, from where its evidence starts.
    thisRunTable->setColumnHidden(VerdictColumn, true);
    for (QTableWidget *table : {thisRunTable, allTimeTable}) {
        table->horizontalHeaderItem(IntervalColumn)
            ->setToolTip(tr("The exact 95% interval of the hit rate, for one look at this many guesses"));
        table->horizontalHeaderItem(DifferenceColumn)->setToolTip(tr("The hit rate less chance, in percentage points"));
    }

    const auto note = [&](const char *name) {
        auto *label = named(new QLabel(dialog), name);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    tailsNote = note("tailsNote");
    powerNote = note("powerNote");
    guaranteeNote = note("guaranteeNote");
    guaranteeNote->setText(StatisticsTexts::guarantee());

    chartTitle = named(new QLabel(tr("Running hit rate at &level:"), dialog), "chartTitle");
    chartLevel = named(new QComboBox(dialog), "chartLevel");
    for (Level level : AllLevels)
        chartLevel->addItem(StatisticsTexts::levelName(level));
    chartTitle->setBuddy(chartLevel);
    chart = named(new HitRateChart(dialog), "chart");
    chart->setAccessibleName(tr("Chart of the running hit rate against chance"));

    buttons = named(new QDialogButtonBox(dialog), "buttons");
    exportButton = named(buttons->addButton(tr("&Export..."), QDialogButtonBox::ActionRole), "exportButton");
    forgetButton = named(buttons->addButton(tr("&Forget History..."), QDialogButtonBox::ActionRole), "forgetButton");
    closeButton = named(buttons->addButton(QDialogButtonBox::Close), "closeButton");
    closeButton->setDefault(true);

    auto *chartRow = new QHBoxLayout;
    chartRow->addWidget(chartTitle);
    chartRow->addWidget(chartLevel);
    chartRow->addStretch();

    // Everything but the buttons scrolls: on a screen too small for the whole
    // window (a high scale on a small screen) the window manager fits the
    // window to the screen, and the figures stay whole and reachable instead
    // of being squeezed over each other.
    page = named(new FullSizeScrollArea(dialog), "page");
    auto *content = new QWidget(page);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(historyNote);
    layout->addWidget(thisRunTitle);
    layout->addWidget(thisRunTable);
    layout->addSpacing(layout->spacing());
    layout->addWidget(allTimeTitle);
    layout->addWidget(allTimeTable);
    layout->addWidget(tailsNote);
    layout->addWidget(powerNote);
    layout->addWidget(guaranteeNote);
    layout->addSpacing(layout->spacing());
    layout->addLayout(chartRow);
    layout->addWidget(chart, 1);
    page->setWidget(content);

    auto *outer = new QVBoxLayout(dialog);
    outer->addWidget(page, 1);
    outer->addWidget(buttons);

    QWidget::setTabOrder(thisRunTable, allTimeTable);
    QWidget::setTabOrder(allTimeTable, chartLevel);
    QWidget::setTabOrder(chartLevel, exportButton);
    QWidget::setTabOrder(exportButton, forgetButton);
    QWidget::setTabOrder(forgetButton, closeButton);
}

} // namespace Ui

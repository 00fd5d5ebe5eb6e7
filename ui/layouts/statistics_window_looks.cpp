#include "ui/layouts/statistics_window_looks.h"

#include "symboltest/level.h"
#include "ui/statistics_texts.h"
#include "ui/statistics_window.h"

#include <QHeaderView>
#include <QStyle>

#include "ui_statistics_window.h"

namespace {

void makeBold(QWidget *widget)
{
    QFont bold = widget->font();
    bold.setBold(true);
    widget->setFont(bold);
}

// One row per level: its name, then a cell for every figure, numbers to the
// right and the verdict, a word, to the left.
void addLevelRows(QTableWidget *table)
{
    using Column = StatisticsWindow::Column;
    table->setRowCount(int(AllLevels.size()));
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (Level level : AllLevels) {
        table->setItem(levelIndex(level), Column::LevelColumn, new QTableWidgetItem(StatisticsTexts::levelName(level)));
        for (int column = Column::GuessesColumn; column < Column::ColumnCount; ++column) {
            auto *figure = new QTableWidgetItem;
            figure->setTextAlignment(column == Column::VerdictColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                                     : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(levelIndex(level), column, figure);
        }
    }
}

} // namespace

namespace Design {

void dressStatisticsWindow(QDialog *dialog, const Ui::StatisticsWindow &ui)
{
    makeBold(ui.thisRunTitle);
    makeBold(ui.allTimeTitle);
    // The note, when there is one, stands apart from the tables below it.
    ui.historyNote->setContentsMargins(0, 0, 0, dialog->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));

    addLevelRows(ui.thisRunTable);
    addLevelRows(ui.allTimeTable);
    // The guesses of one run are told as they are: a verdict belongs to the
    // whole history, from where its evidence starts.
    ui.thisRunTable->setColumnHidden(StatisticsWindow::VerdictColumn, true);

    for (Level level : AllLevels)
        ui.chartLevel->addItem(StatisticsTexts::levelName(level));
    ui.guaranteeNote->setText(StatisticsTexts::guarantee());

    // A form cannot place its own buttons in a button box by role; they come
    // before the box in the form, so that the keyboard reaches them before
    // Close, as it reads.
    ui.buttons->addButton(ui.exportButton, QDialogButtonBox::ActionRole);
    ui.buttons->addButton(ui.forgetButton, QDialogButtonBox::ActionRole);
    QPushButton *closeButton = ui.buttons->button(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
}

} // namespace Design

#pragma once

class QDialog;

namespace Ui {
class StatisticsWindow;
}

namespace Design {

// What the Statistics window's form cannot hold: a row of each table for
// every level with its cells, the bold table titles, the header's alignment,
// the verdict column that this run's table leaves out, the level choice of
// the chart, the paragraph on what the verdict promises and the buttons of
// the button box.
void dressStatisticsWindow(QDialog *dialog, const Ui::StatisticsWindow &ui);

} // namespace Design

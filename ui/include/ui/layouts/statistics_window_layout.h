#pragma once

#include <QCoreApplication>

class HitRateChart;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace Ui {

// The design of the Statistics window, in Qt layouts: a note about the
// history (hidden while there is nothing to say), a table of every level for
// this run (without a verdict) and one for all time, the fixed-sample tails,
// the power line, the paragraph on what the verdict promises, the chart with
// its level choice, and the buttons. Every widget's objectName is its
// member's name.
struct StatisticsWindow
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)

public:
    // The tables' columns, in order; the table of this run has no verdict.
    enum Column { LevelColumn, GuessesColumn, RightColumn, HitRateColumn, IntervalColumn, ChanceColumn,
                  DifferenceColumn, VerdictColumn, ColumnCount };

    QScrollArea *page = nullptr; // everything above the buttons
    QLabel *historyNote = nullptr;
    QLabel *thisRunTitle = nullptr;
    QTableWidget *thisRunTable = nullptr;
    QLabel *allTimeTitle = nullptr;
    QTableWidget *allTimeTable = nullptr;
    QLabel *tailsNote = nullptr;     // the fixed-sample tails, one level a line
    QLabel *powerNote = nullptr;     // how many guesses a verdict takes
    QLabel *guaranteeNote = nullptr; // what the verdict promises
    QLabel *chartTitle = nullptr;
    QComboBox *chartLevel = nullptr; // the levels in their order
    HitRateChart *chart = nullptr;
    QDialogButtonBox *buttons = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *forgetButton = nullptr;
    QPushButton *closeButton = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui

#pragma once

#include <QCoreApplication>

class HitRateChart;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace Ui {

// The design of the Statistics window, in Qt layouts: a note about the
// history (hidden while there is nothing to say), a table of every level for
// this run and one for all time, the chart with its level choice, and the
// buttons. Every widget's objectName is its member's name.
struct StatisticsWindow
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)

public:
    // The tables' columns, in order.
    enum Column { LevelColumn, GuessesColumn, RightColumn, HitRateColumn, ChanceColumn, ByChanceColumn, VerdictColumn,
                  ColumnCount };

    QLabel *historyNote = nullptr;
    QLabel *thisRunTitle = nullptr;
    QTableWidget *thisRunTable = nullptr;
    QLabel *allTimeTitle = nullptr;
    QTableWidget *allTimeTable = nullptr;
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

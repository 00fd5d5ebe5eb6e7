#pragma once

#include "services/history_statistics.h"
#include "ui/layouts/statistics_window_layout.h"

#include <QDialog>

struct AppContext;

// The Statistics window: every level's guesses, hit rate and verdict against
// chance, for this run and for all time, from the guess history; the running
// hit rate as a chart; export of the history as CSV and forgetting it.
//
// Modeless and one per run: closing only hides it, and showFor() brings the
// same window back up to date. It goes with its parent, the main window.
class StatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit StatisticsWindow(AppContext &context, QWidget *parent = nullptr);

    // Shows the run's Statistics window, made on first use, up to date and in
    // front. The first time in a run that the history is not as it was (a
    // damaged file was moved aside) or cannot be kept, it says so once.
    static StatisticsWindow *showFor(AppContext &context, QWidget *parent = nullptr);

    const Ui::StatisticsWindow &ui() const { return m_ui; }

public slots:
    // Reads the history again and shows what it holds now.
    void refresh();
    // Asks where to, then writes the history there as CSV.
    void exportHistory();
    // Deletes the history once the user has confirmed it.
    void forgetHistory();

private:
    void showChart(int level);
    void fillTable(QTableWidget *table, bool allTime);
    void tellAboutTheHistoryOnce();

    AppContext &m_context;
    Ui::StatisticsWindow m_ui;
    HistoryStatistics m_statistics;
    bool m_chartLevelChosen = false;
    bool m_toldAboutTheHistory = false;
};

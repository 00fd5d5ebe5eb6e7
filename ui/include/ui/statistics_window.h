#pragma once

#include "services/history_statistics.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class HistoryKeeper;
class Platform;
class WindowRegistry;

namespace Ui {
class StatisticsWindow;
}

// The Statistics window: every level's guesses, hit rate with its interval,
// difference from chance and verdict, for this run (without a verdict) and
// for all time, from a snapshot of the guess history; the running hit rate as
// a chart with the band of no verdict; export of the history as CSV and
// forgetting it.
//
// Modeless and one per run, kept by the main window: closing only hides it,
// and showUpToDate() brings the same window back. It goes with its parent,
// the main window.
class StatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    // The tables' columns, in order; the table of this run has no verdict.
    enum Column { LevelColumn, GuessesColumn, RightColumn, HitRateColumn, IntervalColumn, ChanceColumn,
                  DifferenceColumn, VerdictColumn, ColumnCount };

    // Asks the user through `platform` and numbers figures as its locale
    // does; adds itself to the open windows.
    StatisticsWindow(Platform &platform, WindowRegistry &windows, QWidget *parent = nullptr);
    ~StatisticsWindow() override;

    // Shows the figures of `history` (null while none is kept), follows it
    // from now on, and comes up in front. The first time in a run that the
    // history is not as it was (a damaged file was moved aside) or cannot be
    // kept, it says so once.
    void showUpToDate(HistoryKeeper *history);

public slots:
    // Reads the history again and shows what it holds now.
    void refresh();
    // Shows every figure anew from what the history holds.
    void showSnapshot(const HistorySnapshot &snapshot);
    // One more guess of this run: its level's figures and the chart follow in
    // O(1), however long the history.
    void addGuess(Level level, bool right);
    // How many of the guesses shown are kept in memory, not yet saved.
    void setNotYetSaved(std::int64_t count);
    // Asks where to, then writes the history there as CSV.
    void exportHistory();
    // Asks first, then deletes the history once the user has confirmed it.
    void forgetHistory();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Keeps the figures up to date with the run's history from now on.
    void follow(HistoryKeeper *history);
    // All of the window where the screen has the room.
    void fitToScreen();
    void showChart(int level);
    void fillRow(Level level);
    void showNotes();
    void fitTables();
    // Export and Forget need guesses and a file that can be read; true when
    // there are guesses.
    bool enableHistoryActions();
    void tellAboutTheHistoryOnce();
    void exportHistoryTo(const QString &path);
    void forgetHistoryNow();

    Platform &m_platform;
    std::unique_ptr<Ui::StatisticsWindow> m_ui;
    HistoryStatistics m_statistics;
    bool m_chartLevelChosen = false;
    bool m_toldAboutTheHistory = false;
    bool m_shownBefore = false;
    // The run's history, once it is open; it may go before this window.
    QPointer<HistoryKeeper> m_history;
};

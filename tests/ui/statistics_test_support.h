#pragma once

#include "find_control.h"
#include "history_test_support.h"
#include "services/history_snapshot.h"
#include "symboltest/binomial_tail.h"
#include "symboltest/level.h"
#include "ui/statistics_window.h"

#include <QList>
#include <QPointer>
#include <QRegularExpression>
#include <QString>
#include <QTableWidget>

// Reading the Statistics window's cells as numbers, and the figures to
// compare them with, worked out in the test.

namespace statistics_test {

using Column = StatisticsWindow::Column;

// The two tables, found by the names the window's form gives them.
inline QTableWidget *thisRunTable(const QWidget *window)
{
    return control<QTableWidget>(window, "thisRunTable");
}

inline QTableWidget *allTimeTable(const QWidget *window)
{
    return control<QTableWidget>(window, "allTimeTable");
}

inline QString cell(QTableWidget *table, Level level, Column column)
{
    return table->item(levelIndex(level), column)->text();
}

// The numbers in a cell such as "27.1–39.9%" or "+13.3 points", in order,
// signed where the cell has a sign (plus or the minus sign U+2212).
inline QList<double> numbers(const QString &text)
{
    QList<double> found;
    static const QRegularExpression number(QStringLiteral("([+\u2212-]?)([0-9][0-9,]*(\\.[0-9]+)?)"));
    for (auto match = number.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        const double value = QString(next.captured(2)).remove(QLatin1Char(',')).toDouble();
        found << (next.captured(1).isEmpty() || next.captured(1) == QLatin1String("+") ? value : -value);
    }
    return found;
}

inline double number(const QString &text)
{
    const QList<double> all = numbers(text);
    return all.isEmpty() ? -1.0 : all.first();
}

// The p at which P(X >= rights) (upper) or P(X <= rights) (lower) is 2.5 %,
// found here by halving: the ends of the exact 95 % interval.
inline double intervalEnd(int guesses, int rights, bool low)
{
    double inside = double(rights) / guesses;
    double outside = low ? 0.0 : 1.0;
    for (int i = 0; i < 100; ++i) {
        const double middle = (inside + outside) / 2;
        const double tail = low ? binomialUpperTail(guesses, rights, middle) : binomialLowerTail(guesses, rights, middle);
        (tail < 0.025 ? outside : inside) = middle;
    }
    return inside;
}

inline HistorySnapshot snapshotOf(Level level, int rights, int wrongs)
{
    HistorySnapshot snapshot;
    snapshot.readable = true;
    std::vector<bool> &outcomes = snapshot.outcomes[std::size_t(levelIndex(level))];
    for (int i = 0; i < rights + wrongs; ++i)
        outcomes.push_back(i < rights);
    return snapshot;
}

// The run's one Statistics window, as the main window keeps it: made on
// first use, then shown up to date.
inline StatisticsWindow *openWindow(HistoryRun &run, QPointer<StatisticsWindow> &window)
{
    if (!window)
        window = new StatisticsWindow(run.platform, run.windows);
    window->showUpToDate(run.context.history.get());
    return window;
}

} // namespace statistics_test

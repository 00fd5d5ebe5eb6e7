// Times the guess history with a full store: storing one guess, gathering
// everything the statistics window shows (every level's counts for this run
// and all time, tails, verdicts and chart series), and opening the Statistics
// window itself until it is on screen. Prints medians.
//
// Usage: corvella_bench_history [GUESSES [REPETITIONS]]   (100000 and 21)
#include "services/app_context.h"
#include "services/guess_history.h"
#include "services/history_snapshot_reader.h"
#include "services/history_statistics.h"
#include "services/qt_platform.h"
#include "services/window_registry.h"
#include "symboltest/random_source.h"
#include "symboltest/symbol_test.h"
#include "ui/statistics_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <QTimeZone>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

namespace {

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

double maximum(const std::vector<double> &samples)
{
    return *std::max_element(samples.begin(), samples.end());
}

// The program's own processor time in milliseconds: on a machine shared with
// other work, the wall time also counts the waits for a core.
double cpuMilliseconds()
{
    return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

struct Samples
{
    std::vector<double> wall; // milliseconds
    std::vector<double> cpu;
};

Samples time(int repetitions, const std::function<void()> &work)
{
    Samples samples;
    QElapsedTimer timer;
    for (int i = 0; i < repetitions; ++i) {
        const double cpuStart = cpuMilliseconds();
        timer.start();
        work();
        samples.wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        samples.cpu.push_back(cpuMilliseconds() - cpuStart);
    }
    return samples;
}

void printRow(const char *what, const Samples &samples, const char *target)
{
    std::printf("%-46s %9.3f %9.3f %9.3f   %s\n", what, median(samples.wall), maximum(samples.wall),
                median(samples.cpu), target);
}

class GuessMaker
{
public:
    StoredGuess next()
    {
        const auto level = static_cast<Level>(m_random() % 3);
        const int symbols = symbolCount(level);
        StoredGuess guess;
        guess.time = QDateTime::fromMSecsSinceEpoch(m_ms += 2000, QTimeZone::utc());
        guess.level = level;
        guess.guessed = int(m_random() % unsigned(symbols)) + 1;
        guess.drawn = int(m_random() % unsigned(symbols)) + 1;
        guess.right = guess.guessed == guess.drawn;
        return guess;
    }

private:
    std::mt19937 m_random{20261208};
    qint64 m_ms = 1796000000000;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int guesses = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int repetitions = argc > 2 ? QByteArray(argv[2]).toInt() : 21;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    GuessMaker maker;

    Samples fill;
    {
        GuessHistory history(path);
        if (!history.isAvailable()) {
            std::fprintf(stderr, "store unavailable: %s\n", qPrintable(history.unavailableReason()));
            return 1;
        }
        fill = time(guesses, [&] { history.record(maker.next()); });
    }
    std::printf("store filled with %d guesses through record(), one commit each: %.1f s in all\n", guesses,
                std::accumulate(fill.wall.begin(), fill.wall.end(), 0.0) / 1000.0);

    const Samples open = time(repetitions, [&] { GuessHistory reopened(path); });

    GuessHistory history(path);
    const Samples store = time(1000, [&] { history.record(maker.next()); });
    HistoryStatistics statistics;
    const Samples gather =
        time(repetitions, [&] { statistics = gatherHistoryStatistics(readHistorySnapshot(history)); });
    const HistorySnapshot snapshot = readHistorySnapshot(history);
    const Samples figures = time(repetitions, [&] { statistics = gatherHistoryStatistics(snapshot); });
    const Samples outcomes = time(repetitions, [&] { history.outcomesInOrder(); });
    const Samples exportCsv =
        time(std::max(1, repetitions / 4), [&] { history.exportCsv(dir.filePath(QStringLiteral("export.csv"))); });

    // As the user opens it: made, filled from the history and shown, until the
    // window system has it on screen and its first paint is done.
    SymbolTest test;
    ClockSeededRandom random;
    QtPlatform platform;
    WindowRegistry windows;
    AppContext context{test, random, platform, windows};
    context.history = std::make_shared<GuessHistory>(path);
    const Samples window = time(repetitions, [&] {
        auto *statistics = new StatisticsWindow(context);
        statistics->show();
        while (!statistics->windowHandle() || !statistics->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QCoreApplication::processEvents();
        delete statistics;
    });

    // A guess of this run into an open window over the full store.
    Samples addGuess;
    {
        auto *open = new StatisticsWindow(context);
        open->show();
        QCoreApplication::processEvents();
        std::mt19937 coin(7);
        addGuess = time(std::max(repetitions, 201), [&] {
            open->addGuess(static_cast<Level>(coin() % 3), coin() % 5 == 0);
        });
        delete open;
    }

    std::printf("\n%-46s %9s %9s %9s   %s\n", "milliseconds", "median", "max", "cpu med", "target");
    printRow("store one guess (1000 samples at 100,000+)", store, "< 5 ms");
    printRow("gather all the statistics window shows", gather, "< 200 ms");
    printRow("  of which: every guess's level and result", outcomes, "");
    printRow("  of which: the figures from what was read", figures, "< 100 ms");
    printRow("one guess into the open Statistics window", addGuess, "< 5 ms");
    printRow("open the Statistics window until it is shown", window, "< 200 ms");
    printRow("open the store (with its integrity check)", open, "");
    printRow("export everything as CSV", exportCsv, "");
    std::printf("\nall time, for the look of it:\n");
    for (Level level : AllLevels) {
        const LevelStatistics &s = statistics[level].allTime;
        std::printf("  %-12s %7lld guesses, %6lld right, hit rate %.4f, chance %.4f, P(>=) %.3g, chart %zu points\n",
                    levelName(level), static_cast<long long>(s.guesses), static_cast<long long>(s.rights), s.hitRate,
                    s.chanceRate, s.upperTail,
                    statistics[level].runningHitRate.points().size());
    }
    return 0;
}

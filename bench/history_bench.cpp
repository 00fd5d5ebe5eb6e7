// Times the guess history with a full store: storing one guess (on the
// history's thread, and what the GUI thread spends handing it over), reading
// the file when it opens, the snapshot the Statistics window is built from,
// opening that window (the first time in a run and again), and the CSV
// export. Prints medians.
//
// Usage: corvella_bench_history [GUESSES [REPETITIONS]]   (1000000 and 21)
#include "services/app_context.h"
#include "services/guess_history.h"
#include "services/history_keeper.h"
#include "services/history_statistics.h"
#include "symboltest/random_source.h"
#include "symboltest/symbol_test.h"
#include "ui/qt_platform.h"
#include "ui/statistics_window.h"
#include "ui/window_registry.h"

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

    void add(const Samples &more)
    {
        wall.insert(wall.end(), more.wall.begin(), more.wall.end());
        cpu.insert(cpu.end(), more.cpu.begin(), more.cpu.end());
    }
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
    std::printf("%-50s %9.3f %9.3f %9.3f   %s\n", what, median(samples.wall), maximum(samples.wall),
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

// Waits, with the event loop running, until the keeper has read its file.
void waitUntilLoaded(const HistoryKeeper &keeper)
{
    while (!keeper.isLoaded())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void showAndWaitUntilExposed(QWidget *window)
{
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int guesses = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
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
        constexpr int Batch = 10000;
        fill = time((guesses + Batch - 1) / Batch, [&] {
            std::vector<StoredGuess> batch;
            for (int i = 0; i < Batch; ++i)
                batch.push_back(maker.next());
            history.record(batch);
        });
    }
    std::printf("store filled with %d guesses over the three levels: %.1f s in all\n", guesses,
                std::accumulate(fill.wall.begin(), fill.wall.end(), 0.0) / 1000.0);

    const Samples open = time(std::max(1, repetitions / 4), [&] { GuessHistory reopened(path); });
    Samples store;
    Samples checkpoint;
    Samples exportCsv;
    {
        // As the history's thread writes: the log is copied into the file
        // every 200 guesses once the writes pause, not inside one of them.
        GuessHistory::Options asTheProgramWrites;
        asTheProgramWrites.checkpointWhenIdle = true;
        GuessHistory history(path, asTheProgramWrites);
        for (int i = 1; i <= 1000; ++i) {
            store.add(time(1, [&] { history.record(maker.next()); }));
            if (i % 200 == 0)
                checkpoint.add(time(1, [&] { history.checkpoint(); }));
        }
        exportCsv = time(std::max(1, repetitions / 4),
                         [&] { history.exportCsv(dir.filePath(QStringLiteral("export.csv"))); });
    }

    SymbolTest test;
    ClockSeededRandom random;
    QtPlatform platform;
    WindowRegistry windows;
    AppContext context{test, random, platform, windows};

    // Cold: a new run of the program reads the file on the history's thread
    // as it starts; then the user presses Ctrl+T for the first time.
    Samples load;
    Samples firstWindow;
    for (int i = 0; i < std::max(1, repetitions / 4); ++i) {
        context.history.reset();
        QElapsedTimer loading;
        loading.start();
        context.history = std::make_shared<HistoryKeeper>(path);
        waitUntilLoaded(*context.history);
        load.wall.push_back(double(loading.nsecsElapsed()) / 1e6);
        load.cpu.push_back(0);
        const Samples once = time(1, [&] {
            auto *statistics = StatisticsWindow::showFor(context);
            showAndWaitUntilExposed(statistics);
        });
        firstWindow.wall.push_back(once.wall.front());
        firstWindow.cpu.push_back(once.cpu.front());
        delete windows.openWindows().first();
    }
    HistoryKeeper &keeper = *context.history;
    HistorySnapshot snapshot;
    const Samples takeSnapshot = time(repetitions, [&] { snapshot = keeper.snapshot(); });
    HistoryStatistics statistics;
    const Samples gather = time(repetitions, [&] { statistics = gatherHistoryStatistics(snapshot); });
    const Samples handOver = time(1000, [&] { keeper.record(maker.next()); });
    // Warm: the window exists, hidden, and Ctrl+T brings it back up to date.
    auto *window = StatisticsWindow::showFor(context);
    showAndWaitUntilExposed(window);
    const Samples againWindow = time(repetitions, [&] {
        window->hide();
        QCoreApplication::processEvents();
        StatisticsWindow::showFor(context);
        showAndWaitUntilExposed(window);
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

    std::printf("\n%-50s %9s %9s %9s   %s\n", "milliseconds", "median", "max", "cpu med", "target");
    printRow("store one guess, history's thread (1000 samples)", store, "< 5 ms");
    printRow("  copy the log into the file, every 200, once idle", checkpoint, "");
    printRow("hand one guess over, GUI thread (1000 samples)", handOver, "< 5 ms");
    printRow("read the file on opening, history's thread", load, "");
    printRow("one guess into the open Statistics window", addGuess, "< 5 ms");
    printRow("open the store (with its integrity check)", open, "");
    printRow("take the snapshot", takeSnapshot, "");
    printRow("  gather all the statistics window shows from it", gather, "");
    printRow("Ctrl+T, first time in a run, until shown", firstWindow, "< 400 ms");
    printRow("Ctrl+T again, until shown", againWindow, "< 200 ms");
    printRow("export everything as CSV", exportCsv, "< 3000 ms");
    std::printf("\nall time, for the look of it:\n");
    for (Level level : AllLevels) {
        const LevelStatistics &s = statistics[level].allTime;
        std::printf("  %-12s %7lld guesses, %6lld right, hit rate %.4f, chance %.4f, P(>=) %.3g, chart %zu points\n",
                    levelName(level), static_cast<long long>(s.guesses), static_cast<long long>(s.rights), s.hitRate,
                    s.chanceRate, s.upperTail,
                    statistics[level].runningHitRate.points().size());
    }
    context.history.reset();
    return 0;
}

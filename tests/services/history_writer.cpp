// A separate process that writes to the history, for the tests that kill it
// or run it as another user.
//
//   history_writer FILE
//     records numbered guesses one by one, printing each number only after
//     its guess is committed, until it is killed.
//   history_writer --keep FILE [MAX_PAGES]
//     keeps the history as the program does (HistoryKeeper, its own thread,
//     a short retry) and records the next numbered guess for every line read
//     from standard input, printing what the keeper reports:
//     "loaded <readable> <read-only> <guesses>", "failed <reason>",
//     "waiting <count>", "saved <count>".
//   history_writer --read FILE
//     opens the history once and prints "<state> <read-only> <guesses>
//     <recorded>", where recorded tells whether one more guess could be kept.
#include "history_writer_guess.h"
#include "services/guess_history.h"
#include "services/history_keeper.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

int recordUntilKilled(const QString &path)
{
    GuessHistory history(path);
    if (!history.isAvailable()) {
        std::fprintf(stderr, "unavailable: %s\n", qPrintable(history.unavailableReason()));
        return 1;
    }
    for (int number = 1; number <= 1000000; ++number) {
        if (!history.record(numberedGuess(number))) {
            std::fprintf(stderr, "record failed: %s\n", qPrintable(history.lastError()));
            return 1;
        }
        std::printf("%d\n", number);
        std::fflush(stdout);
    }
    return 0;
}

int readOnce(const QString &path)
{
    GuessHistory history(path);
    const auto guesses = history.allGuesses().size();
    const bool recorded = history.record(numberedGuess(int(guesses) + 1));
    say(QStringLiteral("%1 %2 %3 %4")
            .arg(int(history.state()))
            .arg(history.isReadOnly() ? 1 : 0)
            .arg(guesses)
            .arg(recorded ? 1 : 0));
    if (!history.isAvailable())
        std::fprintf(stderr, "%s\n", qPrintable(history.unavailableReason()));
    return 0;
}

int keep(QCoreApplication &app, const QString &path, int maxPages)
{
    HistoryKeeper::Options options;
    options.retryMilliseconds = 100;
    options.storage.maxPageCount = maxPages;
    HistoryKeeper keeper(path, options);
    QObject::connect(&keeper, &HistoryKeeper::loaded, [&keeper] {
        const HistorySnapshot snapshot = keeper.snapshot();
        std::size_t guesses = 0;
        for (const auto &outcomes : snapshot.outcomes)
            guesses += outcomes.size();
        say(QStringLiteral("loaded %1 %2 %3").arg(snapshot.readable).arg(keeper.isReadOnly()).arg(guesses));
    });
    QObject::connect(&keeper, &HistoryKeeper::storageFailed,
                     [](const QString &reason) { say(QStringLiteral("failed ") + reason); });
    QObject::connect(&keeper, &HistoryKeeper::notYetSavedChanged,
                     [](std::int64_t count) { say(QStringLiteral("waiting %1").arg(count)); });
    QObject::connect(&keeper, &HistoryKeeper::storageRecovered,
                     [](std::int64_t count) { say(QStringLiteral("saved %1").arg(count)); });
    int number = 0;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const auto size = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (size <= 0) {
            input.setEnabled(false);
            app.quit();
            return;
        }
        for (ssize_t i = 0; i < size; ++i) {
            if (buffer[i] == '\n')
                keeper.record(numberedGuess(++number));
        }
    });
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
#ifdef Q_OS_LINUX
    // Never outlive a test that died before killing us.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 1)
        return recordUntilKilled(arguments.at(0));
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--read"))
        return readOnce(arguments.at(1));
    if (arguments.size() >= 2 && arguments.at(0) == QLatin1String("--keep"))
        return keep(app, arguments.at(1), arguments.size() > 2 ? arguments.at(2).toInt() : 0);
    std::fputs("usage: history_writer [--keep|--read] FILE [MAX_PAGES]\n", stderr);
    return 2;
}

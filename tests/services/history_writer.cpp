// Records numbered guesses into the history file given as its argument, one
// by one, printing each number only after its guess is committed, until it is
// killed. The durability test kills it with SIGKILL between two lines and
// then expects every printed guess in the file.
#include "history_writer_guess.h"
#include "services/guess_history.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
#ifdef Q_OS_LINUX
    // Never outlive a test that died before killing us.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    if (argc != 2) {
        std::fputs("usage: history_writer FILE\n", stderr);
        return 2;
    }
    GuessHistory history(QString::fromLocal8Bit(argv[1]));
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

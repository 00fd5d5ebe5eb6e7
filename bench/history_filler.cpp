// Fills a guess-history file with made-up guesses, for screenshots and for
// trying the Statistics window by hand: mostly Beginner, some Intermediate
// and Expert, at the rate of chance except for a stretch in the middle where
// the hit rate is STRETCH times as high (2 unless told; 1 gives a history of
// pure guesses). The guesses lie in the past, a few seconds apart, through
// the real record().
//
// Usage: corvella_history_filler FILE GUESSES [SEED [STRETCH]]
#include "services/guess_history.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cstdio>
#include <random>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FILE GUESSES [SEED [STRETCH]]\n", argv[0]);
        return 2;
    }
    const int guesses = QByteArray(argv[2]).toInt();
    std::mt19937 random(argc > 3 ? unsigned(QByteArray(argv[3]).toUInt()) : 20261208u);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const double stretch = argc > 4 ? QByteArray(argv[4]).toDouble() : 2.0;

    GuessHistory history(QString::fromLocal8Bit(argv[1]));
    if (!history.isAvailable()) {
        std::fprintf(stderr, "history unavailable: %s\n", qPrintable(history.unavailableReason()));
        return 1;
    }
    QDateTime time = QDateTime::currentDateTimeUtc().addDays(-30);
    for (int i = 0; i < guesses; ++i) {
        const double pick = uniform(random);
        const Level level = pick < 0.6 ? Level::Beginner : pick < 0.85 ? Level::Intermediate : Level::Expert;
        const int symbols = symbolCount(level);
        const bool inTheStretch = i > guesses * 2 / 5 && i < guesses * 7 / 10;
        const double rightRate = (inTheStretch ? stretch : 1.0) / symbols;
        StoredGuess guess;
        time = time.addSecs(3 + qint64(random() % 20));
        guess.time = time;
        guess.level = level;
        guess.guessed = int(random() % unsigned(symbols)) + 1;
        guess.right = uniform(random) < rightRate;
        guess.drawn = guess.right ? guess.guessed : (guess.guessed % symbols) + 1;
        if (!history.record(guess)) {
            std::fprintf(stderr, "guess %d not stored: %s\n", i + 1, qPrintable(history.lastError()));
            return 1;
        }
    }
    return 0;
}

#include "symboltest/outcome.h"

const char *outcomeText(Outcome outcome)
{
    return outcome == Outcome::Right ? "Correct" : "Incorrect";
}

const char *resultMessage(Outcome outcome)
{
    return outcome == Outcome::Right
        ? "This is the Right Answer! Now take a deep breath, relax your mind and aim to predict the right answer again."
        : "Incorrect: Don't lose hope! Relax, take a deep breath, keep a calm mind and guess again.";
}

Rgb messageColour(Outcome outcome)
{
    return outcome == Outcome::Right ? Rgb{0, 128, 0} : Rgb{128, 0, 0};
}

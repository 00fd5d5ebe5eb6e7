#include "symboltest/outcome.h"

#include "symboltest/translatable.h"

const char *outcomeText(Outcome outcome)
{
    return outcome == Outcome::Right ? CORVELLA_TRANSLATE_NOOP("Outcome", "Correct")
                                     : CORVELLA_TRANSLATE_NOOP("Outcome", "Incorrect");
}

const char *resultMessage(Outcome outcome)
{
    return outcome == Outcome::Right
        ? CORVELLA_TRANSLATE_NOOP("ResultDialog", "This is the Right Answer! Now take a deep breath, relax your mind and "
                                                  "aim to predict the right answer again.")
        : CORVELLA_TRANSLATE_NOOP("ResultDialog", "Incorrect: Don't lose hope! Relax, take a deep breath, keep a calm "
                                                  "mind and guess again.");
}

Rgb messageColour(Outcome outcome)
{
    return outcome == Outcome::Right ? Rgb{0, 128, 0} : Rgb{128, 0, 0};
}

#pragma once

// The two outcomes of judging a guess, with what the program shows for each.
enum class Outcome { Right, Wrong };

struct Rgb
{
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// The program's English; the windows show these texts translated, under the
// contexts "Outcome" and "ResultDialog".
const char *outcomeText(Outcome outcome);
const char *resultMessage(Outcome outcome);
Rgb messageColour(Outcome outcome);

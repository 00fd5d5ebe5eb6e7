#pragma once

#include <functional>
#include <string>

class SymbolTest;

// Words one piece of the report: `text` is the piece's English (marked for
// translation under the context "ScoreReport"); `count` fills its "%n", or is
// -1 for a piece without a count.
using ScoreWording = std::function<std::string(const char *text, int count)>;

// The pieces as they stand, with "%n" replaced by the count.
std::string englishScoreWording(const char *text, int count);

// The score report of all three levels, built from the tallies at this moment.
// Lines are separated by CR LF; the text ends without a line break.
std::string scoreReport(const SymbolTest &test, const ScoreWording &wording = englishScoreWording);

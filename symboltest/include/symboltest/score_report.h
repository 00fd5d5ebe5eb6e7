#pragma once

#include <string>

struct modSymbolTest;

// The score report of all three levels, built from the tallies at this moment.
// Lines are separated by CR LF; the text ends without a line break.
std::string BuildScoreReport(const modSymbolTest &test);

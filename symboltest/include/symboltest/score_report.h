#pragma once

#include <string>

class SymbolTest;

// The score report of all three levels, built from the tallies at this moment.
// Lines are separated by CR LF; the text ends without a line break.
std::string scoreReport(const SymbolTest &test);

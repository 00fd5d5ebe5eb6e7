#include "symboltest/score_report.h"

#include "symboltest/symbol_test.h"

namespace {

constexpr const char *crlf = "\r\n";

std::string levelLine(const char *label, const SymbolTest &test, Level level)
{
    return std::string(label) + std::to_string(test.correctCount(level)) + " Correct Out Of "
        + std::to_string(test.attemptsCount(level)) + " Attempts";
}

} // namespace

std::string scoreReport(const SymbolTest &test)
{
    std::string report;
    report += crlf;
    report += crlf;
    report += levelLine("Beginner level :-  ", test, Level::Beginner);
    report += crlf;
    report += crlf;
    report += levelLine("Intermediate Level :-  ", test, Level::Intermediate);
    report += crlf;
    report += crlf;
    report += levelLine("Expert level :-  ", test, Level::Expert);
    return report;
}

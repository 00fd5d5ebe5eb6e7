#include "symboltest/score_report.h"

#include "symboltest/symbol_test.h"

namespace {

constexpr const char *crlf = "\r\n";

std::string levelLine(const char *label, const modSymbolTest &test, Level level)
{
    return std::string(label) + std::to_string(test.CorrectCount(level)) + " Correct Out Of "
        + std::to_string(test.AttemptsCount(level)) + " Attempts";
}

} // namespace

std::string BuildScoreReport(const modSymbolTest &test)
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

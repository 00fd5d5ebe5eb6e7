#include "symboltest/score_report.h"

#include "symboltest/symbol_test.h"
#include "symboltest/translatable.h"

namespace {

constexpr const char *crlf = "\r\n";

std::string levelLine(const char *label, const SymbolTest &test, Level level, const ScoreWording &wording)
{
    // The counts are parts of their pieces, so that a language can inflect
    // the words around them ("1 Versuch", "5 Versuchen").
    return wording(label, -1)
        + wording(CORVELLA_TRANSLATE_N_NOOP("ScoreReport", "%n Correct Out Of "), test.correctCount(level))
        + wording(CORVELLA_TRANSLATE_N_NOOP("ScoreReport", "%n Attempts"), test.attemptsCount(level));
}

} // namespace

std::string englishScoreWording(const char *text, int count)
{
    std::string worded(text);
    if (const std::size_t marker = worded.find("%n"); marker != std::string::npos)
        worded.replace(marker, 2, std::to_string(count));
    return worded;
}

std::string scoreReport(const SymbolTest &test, const ScoreWording &wording)
{
    std::string report;
    report += crlf;
    report += crlf;
    report += levelLine(CORVELLA_TRANSLATE_NOOP("ScoreReport", "Beginner level :-  "), test, Level::Beginner, wording);
    report += crlf;
    report += crlf;
    report += levelLine(CORVELLA_TRANSLATE_NOOP("ScoreReport", "Intermediate Level :-  "), test, Level::Intermediate,
                        wording);
    report += crlf;
    report += crlf;
    report += levelLine(CORVELLA_TRANSLATE_NOOP("ScoreReport", "Expert level :-  "), test, Level::Expert, wording);
    return report;
}

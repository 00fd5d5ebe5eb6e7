#pragma once

#include "symboltest/outcome.h"

#include <QString>

class SymbolTest;

// The test core's texts as the windows show them: the core keeps them in
// English, marked for translation, and they are translated here.
QString shownOutcomeText(Outcome outcome);
QString shownResultMessage(Outcome outcome);
QString shownScoreReport(const SymbolTest &test);

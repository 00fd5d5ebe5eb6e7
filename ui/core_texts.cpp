#include "ui/core_texts.h"

#include "symboltest/score_report.h"

#include <QCoreApplication>

QString shownOutcomeText(Outcome outcome)
{
    return QCoreApplication::translate("Outcome", outcomeText(outcome));
}

QString shownResultMessage(Outcome outcome)
{
    return QCoreApplication::translate("ResultDialog", resultMessage(outcome));
}

QString shownScoreReport(const SymbolTest &test)
{
    const ScoreWording translated = [](const char *text, int count) {
        return QCoreApplication::translate("ScoreReport", text, nullptr, count).toStdString();
    };
    return QString::fromStdString(scoreReport(test, translated));
}

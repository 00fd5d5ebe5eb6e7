#pragma once

#include "services/stored_guess.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The words of the exported history. The window fills them through tr() and
// its symbol names; left empty, the level is written by its English name and
// each symbol by its number.
struct HistoryCsvTexts
{
    QStringList header{QStringLiteral("time"), QStringLiteral("level"), QStringLiteral("guessed"),
                       QStringLiteral("drawn"), QStringLiteral("result")};
    std::function<QString(Level)> levelName;
    std::function<QString(Level, int symbol)> symbolName;
    QString right = QStringLiteral("right");
    QString wrong = QStringLiteral("wrong");
};

// One field as RFC 4180 writes it: quoted when it holds a comma, a quote, CR
// or LF, with every quote inside doubled; UTF-8.
QByteArray csvField(const QString &text);

// The whole file: a UTF-8 byte order mark (so that spreadsheets read the
// non-ASCII names right), a header row, then one row per guess with the time
// in ISO 8601 UTC; every line ends with CR LF.
QByteArray historyCsv(const std::vector<StoredGuess> &guesses, const HistoryCsvTexts &texts);

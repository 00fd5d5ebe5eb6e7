#pragma once

#include "symboltest/level.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The exported history, the same file whatever the interface language, for
// scripts and spreadsheets alike: UTF-8 without a byte order mark, a header
// row of English column names, then one row per guess:
//   time             ISO 8601 in UTC, with milliseconds ("2026-12-11T13:05:00.250Z")
//   level            Beginner, Intermediate or Expert
//   guessed, drawn   the symbols as numbers, 1 to the level's symbol count
//   right            1 or 0
//   run              the run of the program that made the guess (empty for old guesses)
//   program_version  that program's version (empty for old guesses)
// Fields are quoted as RFC 4180 says, and every line ends with CR LF.

// One field as RFC 4180 writes it: quoted when it holds a comma, a quote, CR
// or LF, with every quote inside doubled; UTF-8.
QByteArray csvField(const QString &text);

// The level's name in the file; it never changes with the language.
QByteArray historyCsvLevelName(Level level);

QByteArray historyCsvHeader();

void appendHistoryCsvRow(QByteArray &out, std::int64_t timeMilliseconds, Level level, int guessed, int drawn,
                         bool right, const QString &runId, const QString &programVersion);

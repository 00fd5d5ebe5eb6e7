#pragma once

#include <QString>

class QSqlError;

// Errors that say the file itself is not a database, as opposed to being
// full, read-only, busy, locked or out of reach, where moving it aside would
// lose the user's guesses and help nothing.
bool isDamage(const QSqlError &error);

// What went wrong, as the end of a sentence for the user ("the disk is full").
QString describeStorageError(const QSqlError &error);

// SQLite refused to read a file it may not write (a log-mode file whose
// index cannot be made).
bool isReadOnlyRefusal(const QSqlError &error);

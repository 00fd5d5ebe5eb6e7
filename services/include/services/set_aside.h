#pragma once

#include <QDate>
#include <QString>

// Moves a damaged database file out of the way without deleting it: to
// "<file>.corrupt-<date>", or "<file>.corrupt-<date>-2" and so on when that
// name is taken, with SQLite's companion "-wal" and "-shm" files renamed
// alongside (a fresh database must never pick up a stale log). Returns the new
// path of the file, or an empty string (and the reason in `error`) when it
// could not be moved.
QString setAsideDamagedFile(const QString &path, QDate date, QString *error);

#include "history_errors.h"

#include <QCoreApplication>
#include <QSqlError>

namespace {

// SQLite's primary result codes (the driver reports the extended ones).
enum SqliteCode {
    Perm = 3,
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26,
};

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

} // namespace

bool isDamage(const QSqlError &error)
{
    const int code = primaryCode(error);
    return code == Corrupt || code == NotADatabase;
}

bool isReadOnlyRefusal(const QSqlError &error)
{
    return primaryCode(error) == ReadOnly;
}

QString describeStorageError(const QSqlError &error)
{
    switch (primaryCode(error)) {
    case Full:
        return QCoreApplication::translate("GuessHistory", "the disk is full");
    case Busy:
    case Locked:
        return QCoreApplication::translate("GuessHistory", "another program holds the history locked");
    case ReadOnly:
        return QCoreApplication::translate("GuessHistory", "the history file is read-only");
    case Perm:
    case CantOpen:
        return QCoreApplication::translate("GuessHistory",
                                           "the history file cannot be opened (no permission, or not a file)");
    case IoError:
        return QCoreApplication::translate("GuessHistory", "the disk reported an error");
    default:
        return error.text();
    }
}

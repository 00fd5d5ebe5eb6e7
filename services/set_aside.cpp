#include "services/set_aside.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace {

// SQLite's write-ahead log and its index live beside the database.
constexpr const char *Companions[] = {"-wal", "-shm"};

// A plain rename in the same folder: it moves a file or a folder alike and
// never falls back to copying.
bool renameInPlace(const QString &from, const QString &to, QString *error)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (error)
        *error = qt_error_string(errno);
    return false;
}

bool nameTaken(const QString &path)
{
    if (QFileInfo::exists(path))
        return true;
    for (const char *suffix : Companions) {
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            return true;
    }
    return false;
}

} // namespace

QString setAsideDamagedFile(const QString &path, QDate date, QString *error)
{
    const QString base = path + QStringLiteral(".corrupt-") + date.toString(Qt::ISODate);
    QString target = base;
    for (int counter = 2; nameTaken(target); ++counter)
        target = base + QLatin1Char('-') + QString::number(counter);

    if (!renameInPlace(path, target, error))
        return {};
    for (const char *suffix : Companions) {
        const QString companion = path + QLatin1String(suffix);
        if (QFileInfo::exists(companion) && !renameInPlace(companion, target + QLatin1String(suffix), error))
            return {};
    }
    return target;
}

#include "services/desktop_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

// The executable's file name without its extension: the name under which the
// settings are kept and the single-instance lock is taken.
QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QSettings openSettings()
{
    const QString name = programName();
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

QString settingKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

// A directory of this user's own, so that the check covers one user.
QString lockDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QLatin1Char('/')
           + programName() + QLatin1Char('-') + user;
}

} // namespace

DesktopPlatform::DesktopPlatform() = default;

DesktopPlatform::~DesktopPlatform() = default;

bool DesktopPlatform::openUrl(const QString &address)
{
    // Tolerant parsing keeps an already percent-encoded query as it is.
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void DesktopPlatform::singleShot(int milliseconds, QObject *receiver, std::function<void()> timeout)
{
    // Precise: a pause that the user is told lasts 1.5 s must not end early.
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, receiver, std::move(timeout));
}

QDate DesktopPlatform::today() const
{
    return QDate::currentDate();
}

QLocale DesktopPlatform::locale() const
{
    return QLocale::system();
}

QString DesktopPlatform::readSetting(const QString &section, const QString &key)
{
    QSettings settings = openSettings();
    return settings.value(settingKey(section, key)).toString();
}

bool DesktopPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    QSettings settings = openSettings();
    settings.setValue(settingKey(section, key), value);
    // Only a write to the file tells whether the value reached the store.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool DesktopPlatform::otherInstanceRunning()
{
    if (m_instanceLock && m_instanceLock->isLocked())
        return false;

    const QString directory = lockDirectory();
    QDir().mkpath(directory);
    m_instanceLock = std::make_unique<QLockFile>(directory + QLatin1Char('/') + programName()
                                                 + QStringLiteral(".lock"));
    // Never stale by age: an instance may run for days. A lock whose process
    // has died (crashed or killed) is still taken over, as QLockFile checks
    // whether the process named in the file is alive (and, where it can, holds
    // a file lock that dies with the process).
    m_instanceLock->setStaleLockTime(0);
    if (m_instanceLock->tryLock(0))
        return false;
    // Only a lock held by a live process means another instance; a lock that
    // cannot be written at all must not keep the program from running.
    return m_instanceLock->error() == QLockFile::LockFailedError;
}

void DesktopPlatform::quit(int exitCode)
{
    // Ends every event loop, nested ones included: a shutdown asked for
    // from inside a modal dialog still ends the program.
    QCoreApplication::exit(exitCode);
}

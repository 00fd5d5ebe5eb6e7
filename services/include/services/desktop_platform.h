#pragma once

#include "services/platform.h"

#include <memory>

class QLockFile;

// The desktop as far as it needs no windows: QDesktopServices, QSettings,
// QLockFile, QTimer, the clock and the application's event loop. What asks
// the user in a window (message boxes, the save-file dialog) is left to the
// window layer. Destroying it releases the single-instance lock.
class DesktopPlatform : public Platform
{
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    bool openUrl(const QString &address) override;
    void singleShot(int milliseconds, QObject *receiver, std::function<void()> timeout) override;
    QDate today() const override;
    QLocale locale() const override;
    QString readSetting(const QString &section, const QString &key) override;
    bool writeSetting(const QString &section, const QString &key, const QString &value) override;
    bool otherInstanceRunning() override;
    void quit(int exitCode) override;

private:
    std::unique_ptr<QLockFile> m_instanceLock;
};

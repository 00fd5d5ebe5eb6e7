#pragma once

#include "services/platform.h"

#include <memory>

class QLockFile;

// The real desktop: QMessageBox, QFileDialog, QDesktopServices, QSettings, QClipboard,
// QLockFile, QTimer and the application's event loop. Destroying it releases
// the single-instance lock.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    bool openUrl(const QString &address) override;
    QString askSaveFileName(const QString &caption, const QString &suggestedName, const QString &filter) override;
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

#pragma once

#include "services/app_info.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

class QObject;

// Everything the program asks of the desktop goes through this seam, so that
// a test can answer message boxes, record opened addresses, fake today's date
// and hold or skip the time of a timer without changing what the program does.
class Platform
{
public:
    enum class Icon { Critical, Information, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;

    // A modal message box; the caption defaults to the program's name.
    virtual Answer showMessage(const QString &text, Buttons buttons, Icon icon,
                               const QString &caption = AppInfo::name()) = 0;
    // Hands a web address to the desktop to open in the user's browser;
    // false when no browser could be started for it.
    virtual bool openUrl(const QString &address) = 0;
    // Asks where to save a file, starting from `suggestedName` in the user's
    // documents; `filter` names the kinds of file offered, in the usual
    // file-dialog form ("CSV files (*.csv)").
    // Empty when the user cancelled.
    virtual QString askSaveFileName(const QString &caption, const QString &suggestedName, const QString &filter) = 0;
    // Calls `timeout` once, `milliseconds` from now, from the event loop;
    // never if `receiver` is destroyed before then. Returns at once.
    virtual void singleShot(int milliseconds, QObject *receiver, std::function<void()> timeout) = 0;
    virtual QDate today() const = 0;
    // The user's conventions for dates written as text.
    virtual QLocale locale() const = 0;

    // The per-user settings store of this program, addressed by section and key.
    // An absent key reads as an empty text. Writing reports whether the value
    // reached the store.
    virtual QString readSetting(const QString &section, const QString &key) = 0;
    virtual bool writeSetting(const QString &section, const QString &key, const QString &value) = 0;

    // True when another instance of the program already runs for this user.
    virtual bool otherInstanceRunning() = 0;
    // Makes the event loop end, so that main() returns `exitCode`. Returns at
    // once; the windows still open are destroyed as main() unwinds.
    virtual void quit(int exitCode) = 0;
};

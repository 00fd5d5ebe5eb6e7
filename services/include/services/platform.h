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

    // The button the user pressed, handed to whoever asked.
    using Answered = std::function<void(Answer)>;
    // The file the user chose to save to; empty when the user cancelled.
    using FileChosen = std::function<void(const QString &path)>;

    // A message box over the window of `owner`, its parent, modal to that
    // window. Returns at once: `answered`, if given, is called later from the
    // event loop with the button pressed, and never once `owner` has been
    // destroyed (the box goes with its window). The caption defaults to the
    // program's name.
    virtual void showMessage(QObject *owner, const QString &text, Buttons buttons, Icon icon,
                             const QString &caption = AppInfo::name(), Answered answered = {}) = 0;
    // A message box asked and answered before this returns, in a nested
    // event loop. Only for what is asked before any window exists (the
    // program already running, the update question): nothing can be deleted
    // under it then.
    virtual Answer askBeforeAnyWindow(const QString &text, Buttons buttons, Icon icon,
                                      const QString &caption = AppInfo::name()) = 0;
    // Hands a web address to the desktop to open in the user's browser;
    // false when no browser could be started for it.
    virtual bool openUrl(const QString &address) = 0;
    // Asks where to save a file, starting from `suggestedName` in the user's
    // documents; `filter` names the kinds of file offered, in the usual
    // file-dialog form ("CSV files (*.csv)"). The question stands over the
    // window of `owner`, its parent, modal to that window. Returns at once:
    // `chosen` is called later from the event loop with the path (empty when
    // the user cancelled), and never once `owner` has been destroyed.
    virtual void askSaveFileName(QObject *owner, const QString &caption, const QString &suggestedName,
                                 const QString &filter, FileChosen chosen) = 0;
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

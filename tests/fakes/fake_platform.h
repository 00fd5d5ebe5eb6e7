#pragma once

#include "services/platform.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <deque>
#include <functional>

// Records what the program asks of the desktop and answers from a script.
// Its clock is the test's: a timer's time has passed at once, unless the
// test holds the timers and lets them run out with fireTimers().
class FakePlatform final : public Platform
{
public:
    struct Message
    {
        QString text;
        Buttons buttons;
        Icon icon;
        QString caption;
    };

    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override
    {
        messages.append({text, buttons, icon, caption});
        if (onMessage)
            onMessage(text);
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    bool openUrl(const QString &address) override
    {
        openedAddresses.append(address);
        if (onOpen)
            onOpen(address);
        return browserStarts;
    }
    QString askSaveFileName(const QString &caption, const QString &suggestedName, const QString &filter) override
    {
        saveQuestions.append({caption, suggestedName, filter});
        return saveFileName;
    }
    void singleShot(int milliseconds, QObject *receiver, std::function<void()> timeout) override
    {
        timers.append(milliseconds);
        if (holdTimers)
            heldTimers.push_back({receiver, std::move(timeout)});
        else
            timeout();
    }
    // Runs out the held timers, in the order they were started; those whose
    // receiver is gone do nothing. Returns how many were held.
    int fireTimers()
    {
        std::deque<HeldTimer> due;
        due.swap(heldTimers);
        for (HeldTimer &timer : due) {
            if (timer.receiver)
                timer.timeout();
        }
        return int(due.size());
    }
    QDate today() const override { return fakeToday; }
    QLocale locale() const override { return fakeLocale; }
    QString readSetting(const QString &section, const QString &key) override
    {
        if (settingsUnreadable)
            return {};
        return settings.value(section + QLatin1Char('/') + key);
    }
    bool writeSetting(const QString &section, const QString &key, const QString &value) override
    {
        if (settingsReadOnly)
            return false;
        settings.insert(section + QLatin1Char('/') + key, value);
        return true;
    }
    bool otherInstanceRunning() override { return anotherInstance; }
    void quit(int exitCode) override { quitCodes.append(exitCode); }

    // Script
    std::deque<Answer> answers;
    std::function<void(const QString &)> onMessage;
    std::function<void(const QString &)> onOpen;
    bool holdTimers = false;
    QString saveFileName; // the answer to every save question; empty: cancelled
    QDate fakeToday{2026, 12, 8};
    QLocale fakeLocale{QLocale::C};
    bool anotherInstance = false;
    bool browserStarts = true;
    bool settingsUnreadable = false;
    bool settingsReadOnly = false;
    QHash<QString, QString> settings;

    // Record
    QList<Message> messages;
    QStringList openedAddresses;
    QList<QStringList> saveQuestions; // caption, suggested name, filter
    QList<int> timers; // the time of every timer started, in milliseconds
    QList<int> quitCodes;

private:
    struct HeldTimer
    {
        QPointer<QObject> receiver;
        std::function<void()> timeout;
    };
    std::deque<HeldTimer> heldTimers;
};

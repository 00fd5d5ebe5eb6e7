#pragma once

#include "services/platform.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

// Records what the program asks of the desktop and answers from a script.
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
    void sleep(int milliseconds) override
    {
        sleeps.append(milliseconds);
        if (duringSleep)
            duringSleep();
    }
    QDate today() const override { return fakeToday; }
    QLocale locale() const override { return fakeLocale; }
    void clearClipboard() override { ++clipboardClears; }
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
    void exitProcess(int code) override { exitCodes.append(code); }

    // Script
    std::deque<Answer> answers;
    std::function<void(const QString &)> onMessage;
    std::function<void(const QString &)> onOpen;
    std::function<void()> duringSleep;
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
    QList<int> sleeps;
    QList<int> exitCodes;
    int clipboardClears = 0;
};

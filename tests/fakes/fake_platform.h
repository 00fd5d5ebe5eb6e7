#pragma once

#include "services/platform.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

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
        // The object that asked, the box's parent; null for a box asked
        // before any window exists, and once the owner is gone.
        QPointer<QObject> owner;
        bool beforeAnyWindow = false;
    };

    // Answered from the event loop, as a real box is, or when the test
    // answers the held ones with answerMessages().
    void showMessage(QObject *owner, const QString &text, Buttons buttons, Icon icon, const QString &caption,
                     Answered answered) override
    {
        messages.append({text, buttons, icon, caption, owner, false});
        if (onMessage)
            onMessage(text);
        const Answer answer = nextAnswer(buttons);
        reply(owner, answered ? std::function<void()>([answered, answer] { answered(answer); }) : nullptr);
    }
    Answer askBeforeAnyWindow(const QString &text, Buttons buttons, Icon icon, const QString &caption) override
    {
        messages.append({text, buttons, icon, caption, nullptr, true});
        if (onMessage)
            onMessage(text);
        return nextAnswer(buttons);
    }
    bool openUrl(const QString &address) override
    {
        openedAddresses.append(address);
        if (onOpen)
            onOpen(address);
        return browserStarts;
    }
    void askSaveFileName(QObject *owner, const QString &caption, const QString &suggestedName, const QString &filter,
                         FileChosen chosen) override
    {
        saveQuestions.append({caption, suggestedName, filter});
        saveQuestionOwners.append(owner);
        const QString path = saveFileName;
        reply(owner, [chosen, path] { chosen(path); });
    }
    // Answers the held message boxes and save questions, in the order they
    // were asked; those whose owner is gone say nothing. Returns how many
    // were held.
    int answerHeld()
    {
        std::deque<HeldReply> due;
        due.swap(heldReplies);
        for (HeldReply &held : due) {
            if (held.owner)
                held.reply();
        }
        return int(due.size());
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
    std::deque<Answer> answers; // the buttons pressed, in order; then No or OK
    // Message boxes and save questions stay open until answerHeld().
    bool holdReplies = false;
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
    QList<QPointer<QObject>> saveQuestionOwners;
    QList<int> timers; // the time of every timer started, in milliseconds
    QList<int> quitCodes;

private:
    Answer nextAnswer(Buttons buttons)
    {
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    // Never once the owner is gone, as with a box that went with its window.
    void reply(QObject *owner, std::function<void()> then)
    {
        if (!then)
            return;
        if (holdReplies) {
            heldReplies.push_back({owner, std::move(then)});
            return;
        }
        QTimer::singleShot(0, owner ? owner : &m_replies, std::move(then));
    }

    struct HeldReply
    {
        QPointer<QObject> owner;
        std::function<void()> reply;
    };
    std::deque<HeldReply> heldReplies;
    QObject m_replies;

    struct HeldTimer
    {
        QPointer<QObject> receiver;
        std::function<void()> timeout;
    };
    std::deque<HeldTimer> heldTimers;
};

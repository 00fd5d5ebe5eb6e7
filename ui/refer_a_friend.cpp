#include "ui/refer_a_friend.h"

#include "services/platform.h"
#include "services/web_links.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QUrl>

namespace ReferAFriend {

QString yourNamePlaceholder()
{
    return QCoreApplication::translate("ExitScreen", "Your Name");
}

QString yourEmailPlaceholder()
{
    return QCoreApplication::translate("ExitScreen", "Your Email Address");
}

QString yourMessagePlaceholder()
{
    return QCoreApplication::translate("ExitScreen", "Your Message");
}

QString friendNamePlaceholder()
{
    return QCoreApplication::translate("ExitScreen", "Friend's Name");
}

QString friendEmailPlaceholder()
{
    return QCoreApplication::translate("ExitScreen", "Friend's Email Address");
}

QString textBoxText(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString emailCheckFailure(const QString &yourEmail, const QString &friendEmail)
{
    const QString mine = trimBlanks(yourEmail);
    const QString friends = trimBlanks(friendEmail);
    if (mine == friends)
        return QCoreApplication::translate("ExitScreen", "Please Enter Distinct Email Addresses");
    if (!mine.contains(QLatin1Char('@')) || !friends.contains(QLatin1Char('@')))
        return QCoreApplication::translate("ExitScreen", "Please Enter Proper Email Address");
    if (!mine.contains(QLatin1Char('.')) || !friends.contains(QLatin1Char('.')))
        return QCoreApplication::translate("ExitScreen", "Please Enter Proper Email Address");
    return {};
}

QString fieldCheckFailure(const Fields &fields)
{
    struct Check
    {
        const QString &value;
        QString placeholder;
        const char *message;
    };
    const Check checks[] = {
        {fields.yourName, yourNamePlaceholder(), QT_TRANSLATE_NOOP("ExitScreen", "Please Enter Your Name")},
        {fields.yourEmail, yourEmailPlaceholder(), QT_TRANSLATE_NOOP("ExitScreen", "Please Enter Your Email")},
        {fields.yourMessage, yourMessagePlaceholder(), QT_TRANSLATE_NOOP("ExitScreen", "Please Enter Your Message")},
        {fields.friendName, friendNamePlaceholder(),
         QT_TRANSLATE_NOOP("ExitScreen", "Please Enter Your Friend's Name")},
        {fields.friendEmail, friendEmailPlaceholder(),
         QT_TRANSLATE_NOOP("ExitScreen", "Please Enter Your Friend's Email")},
    };
    for (const Check &check : checks) {
        const QString trimmed = trimBlanks(check.value);
        if (trimmed.isEmpty() || trimmed == check.placeholder)
            return QCoreApplication::translate("ExitScreen", check.message);
    }
    return {};
}

QString referUrl(const Fields &fields)
{
    // Encoded whole, so that a "&", "=", "#", "+", blank or line break inside
    // a value can neither start another parameter nor cut the address short.
    const auto encoded = [](const QString &value) {
        return QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    return referAFriendScriptAddress()
        + QStringLiteral("?taf1=") + encoded(fields.yourName)
        + QStringLiteral("&taf2=") + encoded(fields.yourEmail)
        + QStringLiteral("&taf3=") + encoded(fields.yourMessage)
        + QStringLiteral("&taf4=") + encoded(fields.friendName)
        + QStringLiteral("&taf5=") + encoded(fields.friendEmail)
        + QStringLiteral("&taf6=") + encoded(programPageAddress());
}

} // namespace ReferAFriend

void Referral::send(Platform &platform, QObject *form)
{
    const QString failure = ReferAFriend::fieldCheckFailure(fields);
    if (!failure.isEmpty()) {
        platform.showMessage(form, failure, Platform::Buttons::Ok, Platform::Icon::Critical);
        return;
    }
    requestAddress = ReferAFriend::referUrl(fields);
    WebLinks(platform).openAddress(requestAddress);
}

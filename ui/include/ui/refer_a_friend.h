#pragma once

#include <QString>

class Platform;

// The refer-a-friend form's rules: its placeholders, the checks a submit runs
// and the request address it opens.
namespace TellAFriend {

inline const QString YourNamePlaceholder = QStringLiteral("Your Name");
inline const QString YourEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString YourMessagePlaceholder = QStringLiteral("Your Message");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// Removes leading and trailing blanks (the space character only; tabs and
// line breaks stay).
QString TrimBlanks(const QString &text);

// The five texts of the form in the order the submit takes them.
struct Fields
{
    QString yourName;
    QString yourEmail;
    QString yourMessage;
    QString friendName;
    QString friendEmail;
};

// The message of the first address check that the two e-mail texts fail
// (distinct, each with an "@", each with a "."), or an empty text.
QString EmailCheckFailure(const QString &yourEmail, const QString &friendEmail);
// The message of the first field that is empty or still its placeholder, or
// an empty text.
QString FieldCheckFailure(const Fields &fields);
// Everything a submit checks, in its order: the addresses, then the fields.
QString SubmitCheckFailure(const Fields &fields);

// The request address: the refer-a-friend script with taf1 to taf5 carrying
// the five fields and taf6 the program's page. Every value is percent-encoded
// as UTF-8, so that the page receives exactly what was typed under its own key.
QString ReferURL(const Fields &fields);

} // namespace TellAFriend

// The refer-a-friend module: the values of the last submit and the request
// built from them, kept for the rest of the run.
class modTellAFriend
{
public:
    QString strYourName;
    QString strYourEmail;
    QString strYourMessage;
    QString strFriendName;
    QString strFriendEmail;
    QString strReferURL;

    // Checks the kept fields; on the first failure shows its message, else
    // builds strReferURL and opens it in the browser.
    void SendReferral(Platform &platform);

    TellAFriend::Fields fields() const;
};

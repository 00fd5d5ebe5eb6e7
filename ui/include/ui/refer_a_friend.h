#pragma once

#include <QString>

class Platform;
class QObject;
class QPlainTextEdit;

// The refer-a-friend form's rules: its placeholders, the checks a submit runs
// and the request address it opens.
namespace ReferAFriend {

// In the user's language: a box is empty while it holds the placeholder of
// the language it is shown in.
QString yourNamePlaceholder();
QString yourEmailPlaceholder();
QString yourMessagePlaceholder();
QString friendNamePlaceholder();
QString friendEmailPlaceholder();

// The text of a multi-line text box with every line break written as CR LF,
// the way such a box holds it. The editor keeps line breaks as paragraphs and
// reports them as a bare LF, so the message box's design text, "Your Message"
// and a line break, reads back through this function (and not through
// toPlainText()) with CR LF, as it is sent; text the user types reads back
// the same way.
QString textBoxText(const QPlainTextEdit *box);

// Removes leading and trailing blanks (the space character only; tabs and
// line breaks stay).
QString trimBlanks(const QString &text);

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
QString emailCheckFailure(const QString &yourEmail, const QString &friendEmail);
// The message of the first field that is empty or still its placeholder, or
// an empty text.
QString fieldCheckFailure(const Fields &fields);

// The request address: the refer-a-friend script with taf1 to taf5 carrying
// the five fields and taf6 the program's page. Every value is percent-encoded
// as UTF-8, so that the page receives exactly what was typed under its own key.
QString referUrl(const Fields &fields);

} // namespace ReferAFriend

// The refer-a-friend form's last submit: the values taken from the form and
// the request built from them, kept for the rest of the run.
struct Referral
{
    ReferAFriend::Fields fields;
    QString requestAddress;

    // Checks the fields; on the first failure shows its message over the
    // window of `form`, else builds requestAddress and opens it in the
    // browser.
    void send(Platform &platform, QObject *form);
};

#include "exit_screen_run.h"

#include "services/web_links.h"
#include "ui/exit_screen.h"
#include "ui/refer_a_friend.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

Q_DECLARE_METATYPE(ReferAFriend::Fields)

namespace {

// Query items as "key=value" lines, split at the first "=", for readable comparisons.
using QueryItems = QStringList;

QString item(const QString &key, const QString &value)
{
    return key + QLatin1Char('=') + value;
}

// What a web page reads from the address: the query up to any "#", split at
// "&" and the first "=", with "+" standing for a blank and %XX decoded.
QueryItems receivedByPage(const QString &address)
{
    QString query = address.section(QLatin1Char('?'), 1);
    query = query.section(QLatin1Char('#'), 0, 0);
    QueryItems items;
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const auto decode = [](QString part) {
            part.replace(QLatin1Char('+'), QLatin1Char(' '));
            return QUrl::fromPercentEncoding(part.toUtf8());
        };
        items.append(item(decode(pair.section(QLatin1Char('='), 0, 0)), decode(pair.section(QLatin1Char('='), 1))));
    }
    return items;
}

QueryItems expectedQuery(const ReferAFriend::Fields &fields)
{
    return {item(QStringLiteral("taf1"), fields.yourName),    item(QStringLiteral("taf2"), fields.yourEmail),
            item(QStringLiteral("taf3"), fields.yourMessage), item(QStringLiteral("taf4"), fields.friendName),
            item(QStringLiteral("taf5"), fields.friendEmail), item(QStringLiteral("taf6"), programPageAddress())};
}

// Checks that the address goes to the refer-a-friend script and carries
// exactly the expected values, read both by Qt and the way a page reads it.
void verifyRequest(const QString &address, const ReferAFriend::Fields &fields)
{
    // The address itself carries no blank, line break or non-ASCII character
    // that a shell or browser would have to guess about.
    for (const QChar c : address)
        QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7f, qPrintable(address));
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.adjusted(QUrl::RemoveQuery).toString(), referAFriendScriptAddress());
    QVERIFY(!url.hasFragment());

    const QueryItems expected = expectedQuery(fields);
    QueryItems decoded;
    for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        decoded.append(item(key, value));
    QCOMPARE(decoded, expected);
    QCOMPARE(receivedByPage(address), expected);
}

} // namespace

class tst_ReferAFriend : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void submitChecks_data();
    void submitChecks();
    void valuesArriveExactlyAsTyped_data();
    void valuesArriveExactlyAsTyped();
    void refusedSubmitKeepsTheFormAndTheLastValues();
};

void tst_ReferAFriend::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// One row per outcome of "Refer A Friend Now": the texts in the five boxes
// (yourMessageBox with its CR LF line ends) and the message shown, or none when
// the request is sent.
void tst_ReferAFriend::submitChecks_data()
{
    QTest::addColumn<bool>("untouched");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("refusal");

    const QString name = QStringLiteral("Ann Lee");
    const QString email = QStringLiteral("ann@example.org");
    const QString design = QStringLiteral("Your Message\r\n");
    const QString friendName = QStringLiteral("Bo Chan");
    const QString friendEmail = QStringLiteral("bo@example.net");
    const QString sent;
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString noName = QStringLiteral("Please Enter Your Name");
    const QString noMessage = QStringLiteral("Please Enter Your Message");
    const QString noFriend = QStringLiteral("Please Enter Your Friend's Name");
    const auto row = [](const char *tag, const QString &name, const QString &email, const QString &message,
                        const QString &friendName, const QString &friendEmail, const QString &refusal) {
        QTest::newRow(tag) << false << name << email << message << friendName << friendEmail << refusal;
    };

    QTest::newRow("untouched form") << true << "Your Name" << "Your Email Address" << design << "Friend's Name"
                                    << "Friend's Email Address" << proper;
    row("same address twice", name, email, design, friendName, email, distinct);
    // Two empty addresses are the same address: that check comes before the "@".
    row("both e-mail boxes empty", name, "", design, friendName, "", distinct);
    row("addresses differing in case only are distinct", name, email, design, friendName, "Ann@example.org", sent);
    row("friend's address without @", name, email, design, friendName, "bo.example.net", proper);
    row("friend's address without .", name, email, design, friendName, "bo@example", proper);
    row(". before @ is enough", name, "a.b@c", design, friendName, friendEmail, sent);
    row("name at placeholder", "Your Name", email, design, friendName, friendEmail, noName);
    row("name placeholder in blanks", " Your Name ", email, design, friendName, friendEmail, noName);
    row("name placeholder in other case is a name", "your name", email, design, friendName, friendEmail, sent);
    row("message emptied", name, email, "", friendName, friendEmail, noMessage);
    row("message at bare placeholder", name, email, "Your Message", friendName, friendEmail, noMessage);
    row("friend's name at placeholder", name, email, design, "Friend's Name", friendEmail, noFriend);
    row("empty fields: the first one is named", "", email, "", "", friendEmail, noName);
    row("every visible field filled in", name, email, design, friendName, friendEmail, sent);
}

void tst_ReferAFriend::submitChecks()
{
    QFETCH(bool, untouched);
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, refusal);

    using ReferAFriend::trimBlanks;
    const ReferAFriend::Fields kept{trimBlanks(name), trimBlanks(email), trimBlanks(message),
                                    trimBlanks(friendName), trimBlanks(friendEmail)};
    // Through the exit screen's form and its submit button.
    // The texts are set as typed, with no box holding the focus.
    ExitScreenRun run;
    QVERIFY(run.ready());
    const ExitScreenControls ui(run.screen);
    if (!untouched) {
        ui.yourNameBox->setText(name);
        ui.yourEmailBox->setText(email);
        // The message box lies out of sight; rows that keep its design text
        // leave it alone.
        if (message != QStringLiteral("Your Message\r\n"))
            ui.yourMessageBox->setPlainText(message);
        ui.friendNameBox->setText(friendName);
        ui.friendEmailBox->setText(friendEmail);
    }
    QTest::mouseClick(ui.referButton, Qt::LeftButton);

    if (refusal.isEmpty()) {
        QVERIFY(run.platform.messages.isEmpty());
        QCOMPARE(run.platform.openedAddresses.size(), 1);
        verifyRequest(run.platform.openedAddresses.constFirst(), kept);
    } else {
        QCOMPARE(run.platform.messages.size(), 1);
        QCOMPARE(run.platform.messages.constFirst().text, refusal);
        QCOMPARE(run.platform.messages.constFirst().icon, Platform::Icon::Critical);
        QVERIFY(run.platform.messages.constFirst().owner == run.screen);
        QVERIFY(run.platform.openedAddresses.isEmpty());
    }
}

// Characters that mean something in an address stay inside their own value.
void tst_ReferAFriend::valuesArriveExactlyAsTyped_data()
{
    QTest::addColumn<ReferAFriend::Fields>("fields");
    const QString message = QStringLiteral("Your Message\r\n");
    const QString email = QStringLiteral("ann@example.org");
    const QString friendEmail = QStringLiteral("bo@example.net");
    QTest::newRow("another parameter in the name")
        << ReferAFriend::Fields{QStringLiteral("a&taf5=evil@x.y"), email, message, QStringLiteral("Bo"), friendEmail};
    QTest::newRow("hash") << ReferAFriend::Fields{QStringLiteral("#1 fan"), email, message, QStringLiteral("Bo#"),
                                                  friendEmail};
    QTest::newRow("plus and percent")
        << ReferAFriend::Fields{QStringLiteral("A+B 100%"), QStringLiteral("a+tag@example.org"),
                                QStringLiteral("%41 %zz"), QStringLiteral("Bo"), friendEmail};
    QTest::newRow("line breaks") << ReferAFriend::Fields{QStringLiteral("Ann"), email,
                                                         QStringLiteral("line one\r\nline two\r\n\r\n"),
                                                         QStringLiteral("Bo\nChan"), friendEmail};
    QTest::newRow("non-ASCII") << ReferAFriend::Fields{QStringLiteral("Zoë Ångström"), QStringLiteral("zoë@exämple.org"),
                                                       QStringLiteral("Привет, 李 😀"), QStringLiteral("Bø"),
                                                       friendEmail};
    QTest::newRow("question mark and slash")
        << ReferAFriend::Fields{QStringLiteral("?taf1=x"), email, QStringLiteral("a/b?c"), QStringLiteral("Bo"),
                                friendEmail};
}

void tst_ReferAFriend::valuesArriveExactlyAsTyped()
{
    QFETCH(ReferAFriend::Fields, fields);
    FakePlatform platform;
    Referral referral{fields, {}};
    QObject form;

    referral.send(platform, &form);

    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.openedAddresses, QStringList{referral.requestAddress});
    verifyRequest(referral.requestAddress, fields);
}

// A refused submit leaves the boxes as they were; pressing again after a
// correction sends, and pressing once more sends again.
void tst_ReferAFriend::refusedSubmitKeepsTheFormAndTheLastValues()
{
    ExitScreenRun run;
    QVERIFY(run.ready());
    const ExitScreenControls ui(run.screen);
    ui.yourEmailBox->setText(QStringLiteral("ann@example.org"));
    ui.friendEmailBox->setText(QStringLiteral("bo@example.net"));
    ui.friendNameBox->setText(QStringLiteral("Bo"));

    QTest::mouseClick(ui.referButton, Qt::LeftButton);
    QCOMPARE(run.platform.messages.size(), 1);
    QCOMPARE(run.platform.messages.constFirst().text, QStringLiteral("Please Enter Your Name"));
    QVERIFY(run.platform.messages.constFirst().owner == run.screen);
    QCOMPARE(ui.yourNameBox->text(), QStringLiteral("Your Name"));
    QCOMPARE(ui.yourEmailBox->text(), QStringLiteral("ann@example.org"));
    QCOMPARE(ReferAFriend::textBoxText(ui.yourMessageBox), QStringLiteral("Your Message\r\n"));
    QVERIFY(run.platform.openedAddresses.isEmpty());

    ui.yourNameBox->setText(QStringLiteral("Ann"));
    QTest::mouseClick(ui.referButton, Qt::LeftButton);
    QTest::mouseClick(ui.referButton, Qt::LeftButton);
    QCOMPARE(run.platform.messages.size(), 1);
    QCOMPARE(run.platform.openedAddresses.size(), 2);
    QCOMPARE(run.platform.openedAddresses.at(0), run.platform.openedAddresses.at(1));
}

QTEST_MAIN(tst_ReferAFriend)
#include "tst_refer_a_friend.moc"

#include "fakes/fake_platform.h"
#include "services/web_links.h"

#include <QSet>
#include <QTest>
#include <QUrl>

namespace {

constexpr PageRole AllRoles[] = {PageRole::OnlineHelpPage,  PageRole::HomePage,          PageRole::DownloadPage,
                                 PageRole::DonationPage,    PageRole::CoBrandInfoPage,   PageRole::FullBrandInfoPage,
                                 PageRole::SoftwareCataloguePage};

} // namespace

// Every page the program links to lies on one of the two sites this build
// was configured with, each page at an address of its own that a browser can
// open; opening one asks the desktop for that address and nothing else.
class tst_WebLinks : public QObject
{
    Q_OBJECT

private slots:
    void everyRoleHasAPageOfItsOwnOnAConfiguredSite();
    void browserThatDoesNotStartIsReportedButNotShown();
};

void tst_WebLinks::everyRoleHasAPageOfItsOwnOnAConfiguredSite()
{
    QStringList all{referAFriendScriptAddress(), programPageAddress()};
    for (PageRole role : AllRoles)
        all << pageAddress(role);
    for (const QString &address : std::as_const(all)) {
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid() && url.scheme().startsWith(QLatin1String("http")), qPrintable(address));
        QVERIFY2(address.startsWith(QStringLiteral(CORVELLA_MAIN_SITE "/"))
                     || address.startsWith(QStringLiteral(CORVELLA_HELP_SITE "/")),
                 qPrintable(address));
    }
    QCOMPARE(QSet<QString>(all.cbegin(), all.cend()).size(), all.size());
}

// The browser that does not start says so itself: no message box on top.
void tst_WebLinks::browserThatDoesNotStartIsReportedButNotShown()
{
    FakePlatform platform;
    platform.browserStarts = false;
    QVERIFY(!WebLinks(platform).open(PageRole::DownloadPage));
    QVERIFY(!WebLinks(platform).openAddress(programPageAddress()));
    QCOMPARE(platform.openedAddresses.size(), 2);
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(tst_WebLinks)
#include "tst_web_links.moc"

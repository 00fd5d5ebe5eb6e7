#include "fakes/fake_platform.h"
#include "services/web_links.h"

#include <QTest>
#include <QUrl>


Q_DECLARE_METATYPE(PageRole)

namespace {

const QString mainSite = QStringLiteral(CORVELLA_MAIN_SITE);
const QString helpSite = QStringLiteral(CORVELLA_HELP_SITE);

} // namespace

class tst_WebLinks : public QObject
{
    Q_OBJECT

private slots:
    void everyRoleHasItsPageOnItsSite_data();
    void everyRoleHasItsPageOnItsSite();
    void openingARoleOpensItsPageAndNothingElse();
    void browserThatDoesNotStartIsReportedButNotShown();
    void formAndProgramAddressesAreOnTheMainSite();
};

void tst_WebLinks::everyRoleHasItsPageOnItsSite_data()
{
    QTest::addColumn<PageRole>("role");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("path");
    QTest::newRow("online help") << PageRole::OnlineHelpPage << mainSite << "/corvella/corvella-help.html";
    QTest::newRow("home") << PageRole::HomePage << mainSite << "/";
    QTest::newRow("download") << PageRole::DownloadPage << mainSite << "/corvella/download-corvella.html";
    QTest::newRow("donation") << PageRole::DonationPage << helpSite << "/donate.html";
    QTest::newRow("co-branding") << PageRole::CoBrandInfoPage << helpSite << "/co-brand.html";
    QTest::newRow("full branding") << PageRole::FullBrandInfoPage << helpSite << "/fully-branded.html";
    QTest::newRow("software catalogue") << PageRole::SoftwareCataloguePage << mainSite << "/quendrelsoftwares";
}

void tst_WebLinks::everyRoleHasItsPageOnItsSite()
{
    QFETCH(PageRole, role);
    QFETCH(QString, site);
    QFETCH(QString, path);

    const QString address = pageAddress(role);
    QCOMPARE(address, site + path);
    // A browser must be able to open it: a complete, valid web address.
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    QVERIFY(!url.host().isEmpty());
    QCOMPARE(url.path(), path);
}

void tst_WebLinks::openingARoleOpensItsPageAndNothingElse()
{
    for (PageRole role : {PageRole::OnlineHelpPage, PageRole::HomePage, PageRole::DownloadPage,
                          PageRole::DonationPage, PageRole::CoBrandInfoPage, PageRole::FullBrandInfoPage,
                          PageRole::SoftwareCataloguePage}) {
        FakePlatform platform;
        WebLinks(platform).open(role);

        QCOMPARE(platform.openedAddresses, QStringList{pageAddress(role)});
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.settings.isEmpty());
        QVERIFY(platform.quitCodes.isEmpty());
    }
}

void tst_WebLinks::browserThatDoesNotStartIsReportedButNotShown()
{
    FakePlatform platform;
    QVERIFY(WebLinks(platform).open(PageRole::HomePage));
    platform.browserStarts = false;
    QVERIFY(!WebLinks(platform).open(PageRole::DownloadPage));
    QVERIFY(!WebLinks(platform).openAddress(programPageAddress()));
    QCOMPARE(platform.openedAddresses.size(), 3);
    QVERIFY(platform.messages.isEmpty());
}

void tst_WebLinks::formAndProgramAddressesAreOnTheMainSite()
{
    QCOMPARE(referAFriendScriptAddress(), mainSite + QStringLiteral("/qrel-refer-a-friend.php"));
    QCOMPARE(programPageAddress(), mainSite + QStringLiteral("/corvella/"));
}

QTEST_MAIN(tst_WebLinks)
#include "tst_web_links.moc"

#include "services/web_links.h"
#include "fakes/fake_platform.h"

#include <QTest>
#include <QUrl>

#include <functional>

Q_DECLARE_METATYPE(PageRole)

namespace {

const QString mainSite = QStringLiteral(CORVELLA_MAIN_SITE);
const QString helpSite = QStringLiteral(CORVELLA_HELP_SITE);

using Opener = void (modHelp::*)();

} // namespace

Q_DECLARE_METATYPE(Opener)

class tst_WebLinks : public QObject
{
    Q_OBJECT

private slots:
    void everyRoleHasItsPageOnItsSite_data();
    void everyRoleHasItsPageOnItsSite();
    void everyOpenerOpensItsRoleAndNothingElse_data();
    void everyOpenerOpensItsRoleAndNothingElse();
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

    const QString address = PageAddress(role);
    QCOMPARE(address, site + path);
    // A browser must be able to open it: a complete, valid web address.
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    QVERIFY(!url.host().isEmpty());
    QCOMPARE(url.path(), path);
}

void tst_WebLinks::everyOpenerOpensItsRoleAndNothingElse_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<PageRole>("role");
    QTest::newRow("online help") << &modHelp::OpenOnlineHelpPage << PageRole::OnlineHelpPage;
    QTest::newRow("home") << &modHelp::OpenHomePage << PageRole::HomePage;
    QTest::newRow("download") << &modHelp::OpenDownloadPage << PageRole::DownloadPage;
    QTest::newRow("donation") << &modHelp::OpenDonationPage << PageRole::DonationPage;
    QTest::newRow("co-branding") << &modHelp::OpenCoBrandInfoPage << PageRole::CoBrandInfoPage;
    QTest::newRow("full branding") << &modHelp::OpenFullBrandInfoPage << PageRole::FullBrandInfoPage;
    QTest::newRow("software catalogue") << &modHelp::OpenSoftwareCataloguePage << PageRole::SoftwareCataloguePage;
}

void tst_WebLinks::everyOpenerOpensItsRoleAndNothingElse()
{
    QFETCH(Opener, opener);
    QFETCH(PageRole, role);

    FakePlatform platform;
    modHelp help(platform);
    std::invoke(opener, help);

    QCOMPARE(platform.openedAddresses, QStringList{PageAddress(role)});
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.settings.isEmpty());
    QVERIFY(platform.exitCodes.isEmpty());
}

void tst_WebLinks::formAndProgramAddressesAreOnTheMainSite()
{
    QCOMPARE(ReferAFriendScriptAddress(), mainSite + QStringLiteral("/qrel-refer-a-friend.php"));
    QCOMPARE(ProgramPageAddress(), mainSite + QStringLiteral("/corvella/"));
}

QTEST_MAIN(tst_WebLinks)
#include "tst_web_links.moc"

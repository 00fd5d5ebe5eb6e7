#pragma once

#include <QString>

class Platform;

// The maker's pages, each a complete address fixed at build time.
enum class PageRole {
    OnlineHelpPage,
    HomePage,
    DownloadPage,
    DonationPage,
    CoBrandInfoPage,
    FullBrandInfoPage,
    SoftwareCataloguePage,
};

QString PageAddress(PageRole role);
// The refer-a-friend script and the program's own page on the main site.
QString ReferAFriendScriptAddress();
QString ProgramPageAddress();

// The web-link openers: one per page role, each without arguments, and the
// one operation that hands an address to the desktop.
class modHelp
{
public:
    explicit modHelp(Platform &platform);

    // Hands the address to the desktop shell; reports nothing.
    void OpenWebPage(const QString &address);

    void OpenOnlineHelpPage();
    void OpenHomePage();
    void OpenDownloadPage();
    void OpenDonationPage();
    void OpenCoBrandInfoPage();
    void OpenFullBrandInfoPage();
    void OpenSoftwareCataloguePage();

private:
    Platform &m_platform;
};

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

QString pageAddress(PageRole role);
// The refer-a-friend script and the program's own page on the main site.
QString referAFriendScriptAddress();
QString programPageAddress();

// Opens the maker's pages in the user's browser. Both return whether the
// desktop took the address; the program tells the user nothing either way,
// as a browser that does not start shows the user as much.
class WebLinks
{
public:
    explicit WebLinks(Platform &platform);

    bool open(PageRole page);
    bool openAddress(const QString &address);

private:
    Platform &m_platform;
};

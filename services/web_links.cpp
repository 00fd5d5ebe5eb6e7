#include "services/web_links.h"

#include "services/platform.h"

namespace {

// Scheme and host of the two sites, chosen when the program is built.
QString mainSite()
{
    return QStringLiteral(CORVELLA_MAIN_SITE);
}

QString helpSite()
{
    return QStringLiteral(CORVELLA_HELP_SITE);
}

} // namespace

QString PageAddress(PageRole role)
{
    switch (role) {
    case PageRole::OnlineHelpPage:
        return mainSite() + QStringLiteral("/corvella/corvella-help.html");
    case PageRole::HomePage:
        return mainSite() + QStringLiteral("/");
    case PageRole::DownloadPage:
        return mainSite() + QStringLiteral("/corvella/download-corvella.html");
    case PageRole::DonationPage:
        return helpSite() + QStringLiteral("/donate.html");
    case PageRole::CoBrandInfoPage:
        return helpSite() + QStringLiteral("/co-brand.html");
    case PageRole::FullBrandInfoPage:
        return helpSite() + QStringLiteral("/fully-branded.html");
    case PageRole::SoftwareCataloguePage:
        return mainSite() + QStringLiteral("/quendrelsoftwares");
    }
    return mainSite() + QStringLiteral("/");
}

QString ReferAFriendScriptAddress()
{
    return mainSite() + QStringLiteral("/qrel-refer-a-friend.php");
}

QString ProgramPageAddress()
{
    return mainSite() + QStringLiteral("/corvella/");
}

modHelp::modHelp(Platform &platform) : m_platform(platform) {}

void modHelp::OpenWebPage(const QString &address)
{
    // Whether the desktop could open it is not looked at.
    try {
        m_platform.openUrl(address);
    } catch (...) {
    }
}

void modHelp::OpenOnlineHelpPage()
{
    OpenWebPage(PageAddress(PageRole::OnlineHelpPage));
}

void modHelp::OpenHomePage()
{
    OpenWebPage(PageAddress(PageRole::HomePage));
}

void modHelp::OpenDownloadPage()
{
    OpenWebPage(PageAddress(PageRole::DownloadPage));
}

void modHelp::OpenDonationPage()
{
    OpenWebPage(PageAddress(PageRole::DonationPage));
}

void modHelp::OpenCoBrandInfoPage()
{
    OpenWebPage(PageAddress(PageRole::CoBrandInfoPage));
}

void modHelp::OpenFullBrandInfoPage()
{
    OpenWebPage(PageAddress(PageRole::FullBrandInfoPage));
}

void modHelp::OpenSoftwareCataloguePage()
{
    OpenWebPage(PageAddress(PageRole::SoftwareCataloguePage));
}

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

QString pageAddress(PageRole role)
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

QString referAFriendScriptAddress()
{
    return mainSite() + QStringLiteral("/qrel-refer-a-friend.php");
}

QString programPageAddress()
{
    return mainSite() + QStringLiteral("/corvella/");
}

WebLinks::WebLinks(Platform &platform) : m_platform(platform) {}

bool WebLinks::open(PageRole page)
{
    return openAddress(pageAddress(page));
}

bool WebLinks::openAddress(const QString &address)
{
    return m_platform.openUrl(address);
}

#include "cd/CddbSession.h"

#include "document/CPreferences.h"

#include <QDir>

CCddbOptions CddbOptionsFromPreferences()
{
    CPreferences& preferences = CPreferences::Instance();
    CCddbOptions options;
    options.site = CCddbClient::SiteUrl(preferences.CurrentCddbSite());
    options.cacheFolder = preferences.HomeFolder() + QStringLiteral("Cache");
    QDir().mkpath(options.cacheFolder);
    if (preferences.ProxyInUse()) {
        options.proxyHost = preferences.ProxyHost();
        options.proxyPort = preferences.ProxyPort();
        options.proxyUser = preferences.ProxyUser();
        options.proxyPassword = preferences.ProxyPassword();
    }
    return options;
}

CCddbSession& CCddbSession::Instance()
{
    static CCddbSession session;
    return session;
}

CCddbClient& CCddbSession::Client()
{
    static ICddbPrompts nobody;
    if (!m_client) {
        m_client = std::make_unique<CCddbClient>(m_prompts ? *m_prompts : nobody);
        m_client->SetOptions(CddbOptionsFromPreferences());
    }
    return *m_client;
}

void CCddbSession::Release()
{
    m_client.reset();
    currentDisc.reset();
    matchList.clear();
}

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

namespace {
// Without a window nobody can be asked: no choice, no edit, no address.
class CNoPrompts final : public ICddbPrompts
{
public:
    int ChooseDisc(const std::vector<CCddbDisc>&) override { return -1; }
    int EditDisc(CCddbDisc&, int) override { return 0; }
    QString AskEmail(const QString&) override { return {}; }
    bool OpenUrl(const QUrl&) override { return false; }
};
} // namespace

CCddbSession& CCddbSession::Instance()
{
    static CCddbSession session;
    return session;
}

CCddbClient& CCddbSession::Client()
{
    static CNoPrompts nobody;
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

#pragma once
// What the CDDB tests share: a site on 127.0.0.1 with the three-track disc,
// scripted answers to the client's questions, and the client wired to both.
#include "cd/CCddbClient.h"
#include "support/FakeCddbServer.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

inline const QString kThreeTrackToc = QStringLiteral("150 4650 8062 10322");

inline QStringList ThreeTrackEntry(const QString& dtitle = QStringLiteral("The Artist / The Title"))
{
    return {QStringLiteral("# xmcd"), QStringLiteral("# Track frame offsets:"), QStringLiteral("#\t150"),
            QStringLiteral("#\t4650"), QStringLiteral("#\t8062"), QStringLiteral("# Disc length: 137 seconds"),
            QStringLiteral("# Revision: 2"), QStringLiteral("DISCID=12008703"), QStringLiteral("DTITLE=") + dtitle,
            QStringLiteral("DYEAR=2001"), QStringLiteral("DGENRE=Rock"), QStringLiteral("TTITLE0=First"),
            QStringLiteral("TTITLE1=Second"), QStringLiteral("TTITLE2=Third"), QStringLiteral("EXTD=Liner\\nnotes"),
            QStringLiteral("EXTT0="), QStringLiteral("EXTT1=Live\\ttake"), QStringLiteral("EXTT2="),
            QStringLiteral("PLAYORDER=")};
}

class ScriptedCddbPrompts : public ICddbPrompts
{
public:
    int ChooseDisc(const std::vector<CCddbDisc>& matches) override
    {
        offered = matches;
        return choice;
    }
    int EditDisc(CCddbDisc& disc, int flags) override
    {
        editFlags << flags;
        return edit ? edit(disc) : 0;
    }
    QString AskEmail(const QString&) override
    {
        ++emailQuestions;
        return email;
    }
    bool OpenUrl(const QUrl& url) override
    {
        opened << url;
        return true;
    }

    int choice = 0;
    std::function<int(CCddbDisc&)> edit;
    QString email;
    int emailQuestions = 0;
    std::vector<CCddbDisc> offered;
    QList<int> editFlags;
    QList<QUrl> opened;
};

// Answers query with the given reply and read with the entry (401 for
// anything but rock 12008703 or jazz 12008703), submissions with 200.
class CddbFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_cache.isValid());
        // Registration is kept per user; every test starts unregistered.
        QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).remove(QStringLiteral("CDDB"));
        server.handler = [this](const FakeHttpRequest& r) { return Answer(r); };
        CCddbOptions options;
        options.site = server.SiteUrl();
        options.cacheFolder = m_cache.path();
        options.timeoutMs = 3000;
        client.SetOptions(options);
    }

    FakeHttpResponse Answer(const FakeHttpRequest& r)
    {
        if (r.path.endsWith("/submit.cgi"))
            return {200, submitReply};
        if (r.command.startsWith(QLatin1String("cddb query")))
            return {200, queryReply};
        if (r.command == QLatin1String("cddb read rock 12008703")
            || r.command == QLatin1String("cddb read jazz 12008703"))
            return {200, FakeCddbServer::Reply("210 " + r.command.mid(10).toUtf8(), ThreeTrackEntry())};
        return {200, FakeCddbServer::Reply("401 No such CD entry in database.")};
    }

    QString CachePath() const { return m_cache.path(); }

    FakeCddbServer server;
    QByteArray queryReply = FakeCddbServer::Reply("200 rock 12008703 The Artist / The Title");
    QByteArray submitReply = FakeCddbServer::Reply("200 OK, submission has been sent.");
    ScriptedCddbPrompts prompts;
    CCddbClient client{prompts};

private:
    QTemporaryDir m_cache;
};

// The CDDB client against a site on 127.0.0.1.
#include "cd/CddbError.h"
#include "CddbTestSupport.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

namespace {

using Client = CCddbClient;

// Runs a call expected to fail; returns its error.
template <typename Call>
CCddbError ErrorOf(Call call)
{
    try {
        call();
    } catch (const CCddbError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return CCddbError(0, {});
}

class CddbClientTest : public CddbFixture
{
};

TEST_F(CddbClientTest, OneMatchIsReadCachedAndThenServedFromTheCache)
{
    ASSERT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::OneMatch);
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.requests[0].command, QStringLiteral("cddb query 12008703 3 150 4650 8062 137"));
    EXPECT_EQ(server.requests[0].hello, QStringLiteral("anonymous localhost Covermint 2.0"));
    EXPECT_EQ(server.requests[1].command, QStringLiteral("cddb read rock 12008703"));
    const CCddbDisc& disc = client.MatchedDisc();
    EXPECT_EQ(disc.Artist(), QStringLiteral("The Artist"));
    EXPECT_EQ(disc.Title(), QStringLiteral("The Title"));
    EXPECT_EQ(disc.TrackCount(), 3);
    EXPECT_EQ(disc.TrackTitle(2), QStringLiteral("Second"));
    EXPECT_EQ(disc.TrackExtendedData(2), QStringLiteral("Live\\ttake"));
    EXPECT_EQ(disc.Identifier(), QStringLiteral("rock 12008703"));

    ASSERT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::OneMatch);
    EXPECT_EQ(server.requests.size(), 2) << "the second lookup went to the network";
    EXPECT_EQ(client.MatchedDisc().TrackTitle(3), QStringLiteral("Third"));
}

TEST_F(CddbClientTest, CachedEntryOfAnotherTrackCountIsNotThisDisc)
{
    ASSERT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::OneMatch);
    queryReply = FakeCddbServer::Reply("202 No match found.");
    // Same id, four tracks: a different disc.
    EXPECT_EQ(client.LookupMediaByToc(QStringLiteral("150 4650 8062 9000 10322"), 0), Client::NoMatch);
}

TEST_F(CddbClientTest, SeveralMatchesAreChosenAndReadInFull)
{
    queryReply = FakeCddbServer::Reply("211 Found inexact matches, list follows",
                                       {QStringLiteral("rock 12008703 A / First match"),
                                        QStringLiteral("jazz 12008703 B / Second match")});
    ASSERT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::SeveralMatches);
    ASSERT_EQ(client.MatchList().size(), 2u);
    EXPECT_EQ(client.MatchList()[1].Title(), QStringLiteral("Second match"));
    prompts.choice = 1;
    const std::optional<CCddbDisc> picked = client.ChooseDisc(client.MatchList());
    ASSERT_TRUE(picked);
    const CCddbDisc full = client.FullDiscInfo(*picked, 0);
    EXPECT_EQ(server.requests.last().command, QStringLiteral("cddb read jazz 12008703"));
    EXPECT_EQ(full.TrackTitle(1), QStringLiteral("First"));
    prompts.choice = -1;
    EXPECT_FALSE(client.ChooseDisc(client.MatchList()));
}

TEST_F(CddbClientTest, NoMatchAndNewDisc)
{
    queryReply = FakeCddbServer::Reply("202 No match found.");
    EXPECT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::NoMatch);
    const CCddbDisc disc = client.NewDisc(kThreeTrackToc, QString(), QString());
    EXPECT_EQ(disc.discId, QStringLiteral("12008703"));
    EXPECT_EQ(disc.TrackCount(), 3);
    EXPECT_EQ(disc.record.offsets, (std::vector<int>{150, 4650, 8062}));
    EXPECT_EQ(disc.record.discLength, 137);
}

struct FailureCase
{
    const char* name;
    std::function<FakeHttpResponse(const FakeHttpRequest&)> answer;
    quint32 code;
    const char* text; // part of the message
    int timeoutMs = 5000;
};

TEST_F(CddbClientTest, FailuresBecomeErrorsWithMessages)
{
    const QByteArray big(12 * 1024 * 1024, 'x');
    const FailureCase cases[] = {
        {"garbage", [](auto&) { return FakeHttpResponse{200, "\x01\x02 not cddb"}; }, CCddbError::BadReply,
         "did not answer as a CDDB server"},
        {"unterminated", [](auto&) { return FakeHttpResponse{200, "211 list\r\nrock 12008703 a / b\r\n"}; },
         CCddbError::BadReply, "closing"},
        {"long line", [](auto&) { return FakeHttpResponse{200, "200 " + QByteArray(100000, 'a')}; },
         CCddbError::BadReply, "line of more than"},
        {"10 MB", [&](auto&) { return FakeHttpResponse{200, "211 x\r\n" + big}; }, CCddbError::BadReply, "too large"},
        {"http error", [](auto&) { return FakeHttpResponse{503, "busy"}; }, CCddbError::Network, "HTTP 503"},
        {"refusal", [](auto&) { return FakeHttpResponse{200, FakeCddbServer::Reply("500 Unregistered client")}; },
         CCddbError::ServerRefused, "500 Unregistered client"},
        {"other scheme",
         [](auto&) { return FakeHttpResponse{302, {}, {{"Location", "https://127.0.0.1:1/~cddb/cddb.cgi"}}}; },
         CCddbError::Redirect, "another scheme"},
        {"redirect loop", [](auto&) { return FakeHttpResponse{301, {}, {{"Location", "/~cddb/cddb.cgi"}}}; },
         CCddbError::Redirect, "too many"},
        {"slow", [](auto&) { return FakeHttpResponse{200, "202 none", {}, 5000}; }, CCddbError::Timeout,
         "did not answer within", 300},
    };
    for (const FailureCase& c : cases) {
        CCddbOptions options = client.Options();
        options.timeoutMs = c.timeoutMs;
        client.SetOptions(options);
        server.handler = c.answer;
        const CCddbError e = ErrorOf([&] { client.LookupMediaByToc(kThreeTrackToc, 0); });
        EXPECT_EQ(e.Code(), c.code) << c.name;
        EXPECT_TRUE(e.Message().contains(QLatin1String(c.text))) << c.name << ": " << e.Message().toStdString();
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("COM Error (%1): ").arg(c.code, 0, 16))) << c.name;
    }
    EXPECT_EQ(server.requests.size(), 1 + 1 + 1 + 1 + 1 + 1 + 1 + 4 + 1);
}

TEST_F(CddbClientTest, RedirectWithinTheSchemeIsFollowed)
{
    server.handler = [this](const FakeHttpRequest& r) {
        if (r.path == "/old")
            return FakeHttpResponse{302, {}, {{"Location", "/~cddb/cddb.cgi?" + r.query}}};
        return Answer(r);
    };
    CCddbOptions options = client.Options();
    options.site.setPath(QStringLiteral("/old"));
    client.SetOptions(options);
    queryReply = FakeCddbServer::Reply("202 No match found.");
    EXPECT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::NoMatch);
}

TEST_F(CddbClientTest, ReadOfAMissingEntry)
{
    CCddbDisc disc;
    disc.category = QStringLiteral("folk");
    disc.discId = QStringLiteral("12008703");
    const CCddbError e = ErrorOf([&] { client.FullDiscInfo(disc, 0); });
    EXPECT_EQ(e.Code(), CCddbError::NotFound);
    EXPECT_EQ(e.Message(), QStringLiteral("COM Error (8004c006): The CDDB site has no entry folk 12008703."));
}

TEST_F(CddbClientTest, CancelEndsAWaitAtOnce)
{
    server.handler = [](auto&) { return FakeHttpResponse{200, "202 none", {}, 10000}; };
    QTimer::singleShot(200, &client, &CCddbClient::Cancel);
    QElapsedTimer clock;
    clock.start();
    const CCddbError e = ErrorOf([&] { client.LookupMediaByToc(kThreeTrackToc, 0); });
    EXPECT_EQ(e.Code(), CCddbError::Cancelled);
    EXPECT_LT(clock.elapsed(), 2500);
}

TEST_F(CddbClientTest, ProxyThatRefusesIsANetworkError)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    CCddbOptions options = client.Options();
    options.proxyHost = QStringLiteral("127.0.0.1");
    options.proxyPort = port;
    client.SetOptions(options);
    EXPECT_EQ(ErrorOf([&] { client.LookupMediaByToc(kThreeTrackToc, 0); }).Code(), CCddbError::Network);
    EXPECT_TRUE(server.requests.isEmpty());
}

TEST_F(CddbClientTest, RegistrationIsAskedOnceAndSentAsHello)
{
    EXPECT_EQ(client.UserRegistration(0), 0);
    EXPECT_EQ(prompts.emailQuestions, 0);
    prompts.email = QStringLiteral("someone@example.org");
    EXPECT_EQ(client.UserRegistration(1), 1);
    EXPECT_EQ(client.UserRegistration(1), 1);
    EXPECT_EQ(prompts.emailQuestions, 1);
    queryReply = FakeCddbServer::Reply("202 No match found.");
    client.LookupMediaByToc(kThreeTrackToc, 0);
    EXPECT_EQ(server.requests.last().hello, QStringLiteral("someone example.org Covermint 2.0"));
    prompts.email = QStringLiteral("not an address");
    EXPECT_EQ(ErrorOf([&] { client.EditUserInfo(8); }).Code(), CCddbError::InvalidArgument);
    EXPECT_EQ(client.UserEmail(), QStringLiteral("someone@example.org"));
}

class CddbSubmitTest : public CddbFixture
{
protected:
    void SetUp() override
    {
        CddbFixture::SetUp();
        CCddbOptions options = client.Options();
        options.testSubmissions = true;
        client.SetOptions(options);
        prompts.email = QStringLiteral("me@example.org");
        disc = client.NewDisc(kThreeTrackToc, QStringLiteral("Band"), QStringLiteral("Album"));
        disc.category = QStringLiteral("rock");
        disc.record.ttitles = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")};
    }
    CCddbDisc disc;
};

TEST_F(CddbSubmitTest, PostsTheEntryWithItsHeaders)
{
    client.SubmitDisc(disc, 0);
    ASSERT_EQ(server.requests.size(), 1);
    const FakeHttpRequest& r = server.requests[0];
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.path, "/~cddb/submit.cgi");
    EXPECT_EQ(r.headers.value("category"), "rock");
    EXPECT_EQ(r.headers.value("discid"), "12008703");
    EXPECT_EQ(r.headers.value("user-email"), "me@example.org");
    EXPECT_EQ(r.headers.value("submit-mode"), "test");
    EXPECT_EQ(r.headers.value("charset"), "UTF-8");
    EXPECT_EQ(r.headers.value("content-length").toInt(), r.body.size());
    EXPECT_TRUE(r.body.startsWith("# xmcd\n"));
    EXPECT_TRUE(r.body.contains("\nDTITLE=Band / Album\n"));
    EXPECT_TRUE(r.body.contains("\nTTITLE2=Three\n"));
    EXPECT_TRUE(r.body.contains("# Revision: 0\n"));
    // Test submissions are only checked by the site; nothing is cached.
    EXPECT_TRUE(CCddbCache(CachePath()).CategoriesOf(QStringLiteral("12008703")).isEmpty());
}

TEST_F(CddbSubmitTest, RefusalsAndUnfinishedDiscs)
{
    submitReply = FakeCddbServer::Reply("500 Missing required header");
    EXPECT_EQ(ErrorOf([&] { client.SubmitDisc(disc, 0); }).Code(), CCddbError::ServerRefused);

    CCddbDisc untitled = disc;
    untitled.record.dtitle.clear();
    CCddbDisc untouched = client.NewDisc(kThreeTrackToc, QStringLiteral("Band"), QStringLiteral("Album"));
    for (const CCddbDisc& d : {untitled, untouched})
        EXPECT_EQ(ErrorOf([&] { client.SubmitDisc(d, 0); }).Code(), CCddbError::InvalidArgument);
    EXPECT_EQ(server.requests.size(), 1);
}

TEST_F(CddbSubmitTest, AnEditedDatabaseEntryGoesOutWithTheNextRevision)
{
    ASSERT_EQ(client.LookupMediaByToc(kThreeTrackToc, 0), Client::OneMatch);
    client.SubmitDisc(client.MatchedDisc(), 0);
    EXPECT_TRUE(server.requests.last().body.contains("# Revision: 3\n"));
}

TEST_F(CddbClientTest, MusicBrowserOpensTheDiscsPage)
{
    client.LookupMediaByToc(kThreeTrackToc, 0);
    client.OpenMusicBrowser(&client.MatchedDisc(), 0, 1);
    client.OpenMusicBrowser(nullptr, 0, 1);
    ASSERT_EQ(prompts.opened.size(), 2);
    EXPECT_EQ(prompts.opened[0].path(), QStringLiteral("/cd/rock/12008703"));
    EXPECT_EQ(prompts.opened[0].host(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(prompts.opened[1].path(), QStringLiteral("/"));
}

TEST(CddbSite, PreferenceTextsBecomeAddresses)
{
    EXPECT_EQ(CCddbClient::SiteUrl(QStringLiteral("gnudb.gnudb.org/~cddb/cddb.cgi (Default Site)")),
              QUrl(QStringLiteral("http://gnudb.gnudb.org/~cddb/cddb.cgi")));
    EXPECT_EQ(CCddbClient::SiteUrl(QStringLiteral("https://mirror.example/~cddb/cddb.cgi")),
              QUrl(QStringLiteral("https://mirror.example/~cddb/cddb.cgi")));
}

} // namespace

#include "cd/CCddbClient.h"

#include "cd/CddbError.h"
#include "cd/CddbHttp.h"

#include <QSettings>

namespace {

const char kEmailKey[] = "CDDB/UserEmail";

// One word of a CDDB command or hello line, %XX-encoded.
QByteArray Word(const QString& text)
{
    return QUrl::toPercentEncoding(text);
}

QString DefaultTrackTitle(int track)
{
    return QStringLiteral("Track %1").arg(track);
}

CCddbError ServerRefusal(const CCddbReply& reply)
{
    return CCddbError(CCddbError::ServerRefused,
                      QStringLiteral("The CDDB site answered: %1 %2").arg(reply.code).arg(reply.text));
}

} // namespace

CCddbClient::CCddbClient(ICddbPrompts& prompts, QObject* parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_http(new CCddbHttp(this))
{
    SetOptions(m_options);
}

CCddbClient::~CCddbClient() = default;

QUrl CCddbClient::SiteUrl(const QString& site)
{
    QString text = site.trimmed();
    if (text.endsWith(QLatin1Char(')'))) {
        const qsizetype open = text.lastIndexOf(QLatin1String(" ("));
        if (open > 0)
            text = text.left(open).trimmed();
    }
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("http://"));
    return QUrl(text, QUrl::StrictMode);
}

void CCddbClient::SetOptions(const CCddbOptions& options)
{
    m_options = options;
    m_cache = CCddbCache(options.cacheFolder);
    m_http->SetTimeout(options.timeoutMs);
    if (options.proxyHost.isEmpty())
        m_http->SetProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    else
        m_http->SetProxy(QNetworkProxy(QNetworkProxy::HttpProxy, options.proxyHost, quint16(options.proxyPort),
                                       options.proxyUser, options.proxyPassword));
}

QString CCddbClient::UserEmail() const
{
    return QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).value(QLatin1String(kEmailKey)).toString();
}

int CCddbClient::UserRegistration(int prompt)
{
    if (!UserEmail().isEmpty())
        return 1;
    return prompt ? EditUserInfo(0) : 0;
}

int CCddbClient::EditUserInfo(int)
{
    const QString email = m_prompts.AskEmail(UserEmail()).trimmed();
    if (email.isEmpty())
        return UserEmail().isEmpty() ? 0 : 1;
    if (!email.contains(QLatin1Char('@')) || email.contains(QLatin1Char(' ')))
        throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("\"%1\" is not an e-mail address.").arg(email));
    QSettings settings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
    settings.setValue(QLatin1String(kEmailKey), email);
    return 1;
}

QUrl CCddbClient::CommandUrl(const QString& command) const
{
    const QString email = UserEmail();
    const qsizetype at = email.lastIndexOf(QLatin1Char('@'));
    const QString user = at > 0 ? email.left(at) : QStringLiteral("anonymous");
    const QString host = at > 0 ? email.mid(at + 1) : QStringLiteral("localhost");
    QByteArray cmd;
    for (const QString& word : command.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        cmd += (cmd.isEmpty() ? "" : "+") + Word(word);
    QUrl url = m_options.site;
    url.setQuery(QString::fromLatin1("cmd=" + cmd + "&hello=" + Word(user) + '+' + Word(host)
                                     + "+Covermint+2.0&proto=6"),
                 QUrl::StrictMode);
    return url;
}

CCddbReply CCddbClient::Command(const QString& command)
{
    return Send(CommandUrl(command), nullptr, nullptr);
}

CCddbReply CCddbClient::Send(const QUrl& url, const QList<QPair<QByteArray, QByteArray>>* headers, const QByteArray* body)
{
    emit busyChanged(true);
    QByteArray answer;
    try {
        answer = body ? m_http->Post(url, *headers, *body) : m_http->Get(url);
    } catch (...) {
        emit busyChanged(false);
        throw;
    }
    emit busyChanged(false);
    const CCddbReplyParse parsed = ParseCddbReply(answer);
    if (!parsed.reply)
        throw CCddbError(CCddbError::BadReply, parsed.error);
    return *parsed.reply;
}

CCddbDisc CCddbClient::DiscFromMatch(const CCddbMatch& match) const
{
    CCddbDisc disc;
    disc.category = match.category;
    disc.discId = match.discId;
    disc.matchTitle = match.dtitle;
    disc.fromDatabase = true;
    return disc;
}

bool CCddbClient::LookupInCache(const CDiscToc& toc)
{
    m_matches.clear();
    for (const QString& category : m_cache.CategoriesOf(toc.DiscIdText())) {
        std::optional<CXmcdRecord> record = m_cache.Load(category, toc.DiscIdText());
        // Ids collide; an entry for another number of tracks is another disc.
        if (!record || record->TrackCount() != toc.TrackCount())
            continue;
        CCddbDisc disc = DiscFromMatch({category, toc.DiscIdText(), record->dtitle});
        disc.record = std::move(*record);
        disc.hasRecord = true;
        m_matches.push_back(std::move(disc));
    }
    if (m_matches.size() == 1) {
        m_matched = m_matches.front();
        m_matches.clear();
    }
    return !m_matches.empty() || m_matched.hasRecord;
}

int CCddbClient::LookupMediaByToc(const QString& tocText, int)
{
    const std::optional<CDiscToc> toc = CDiscToc::FromText(tocText);
    if (!toc)
        throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("The table of contents is not valid."));
    m_matched = CCddbDisc();
    if (LookupInCache(*toc))
        return m_matches.empty() ? OneMatch : SeveralMatches;

    QString query = QStringLiteral("cddb query %1 %2").arg(toc->DiscIdText()).arg(toc->TrackCount());
    for (int offset : toc->offsets)
        query += QLatin1Char(' ') + QString::number(offset);
    query += QLatin1Char(' ') + QString::number(toc->LengthSeconds());
    const CCddbReply reply = Command(query);
    if (reply.code == 202)
        return NoMatch;
    if (reply.code != 200 && reply.code != 210 && reply.code != 211)
        throw ServerRefusal(reply);
    const std::vector<CCddbMatch> matches = QueryMatches(reply);
    if (matches.empty())
        throw CCddbError(CCddbError::BadReply, QStringLiteral("The CDDB site's list of matches could not be read."));
    if (reply.code == 200) {
        m_matched = FullDiscInfo(DiscFromMatch(matches.front()), 0);
        return OneMatch;
    }
    for (const CCddbMatch& match : matches)
        m_matches.push_back(DiscFromMatch(match));
    return SeveralMatches;
}

std::optional<CCddbDisc> CCddbClient::ChooseDisc(const std::vector<CCddbDisc>& matches)
{
    const int picked = matches.empty() ? -1 : m_prompts.ChooseDisc(matches);
    if (picked < 0 || picked >= int(matches.size()))
        return std::nullopt;
    return matches[size_t(picked)];
}

CCddbDisc CCddbClient::FullDiscInfo(const CCddbDisc& disc, int)
{
    if (disc.hasRecord)
        return disc;
    if (!IsCddbCategoryName(disc.category) || !IsCddbDiscIdText(disc.discId))
        throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("The disc has no database entry to read."));
    CCddbDisc full = disc;
    if (std::optional<CXmcdRecord> cached = m_cache.Load(disc.category, disc.discId)) {
        full.record = std::move(*cached);
    } else {
        const CCddbReply reply = Command(QStringLiteral("cddb read %1 %2").arg(disc.category, disc.discId));
        if (reply.code == 401)
            throw CCddbError(CCddbError::NotFound,
                             QStringLiteral("The CDDB site has no entry %1 %2.").arg(disc.category, disc.discId));
        if (reply.code != 210)
            throw ServerRefusal(reply);
        CXmcdParse parsed = ParseXmcd(reply.body);
        if (!parsed.record)
            throw CCddbError(CCddbError::BadReply, parsed.error);
        full.record = std::move(*parsed.record);
        m_cache.Store(disc.category, disc.discId, full.record);
    }
    full.hasRecord = true;
    return full;
}

CCddbDisc CCddbClient::NewDisc(const QString& tocText, const QString& artist, const QString& title)
{
    const std::optional<CDiscToc> toc = CDiscToc::FromText(tocText);
    if (!toc)
        throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("The table of contents is not valid."));
    CCddbDisc disc;
    disc.discId = toc->DiscIdText();
    disc.category = QStringLiteral("misc");
    disc.hasRecord = true;
    disc.record.offsets = toc->offsets;
    disc.record.discLength = toc->LengthSeconds();
    disc.record.discIds = disc.discId;
    disc.record.SetArtistAndTitle(CddbEscape(artist), CddbEscape(title));
    if (artist.isEmpty() && title.isEmpty())
        disc.record.dtitle.clear();
    disc.record.ResizeTracks(toc->TrackCount());
    for (int i = 0; i < toc->TrackCount(); ++i)
        disc.record.ttitles[size_t(i)] = DefaultTrackTitle(i + 1);
    return disc;
}

int CCddbClient::EditDisc(CCddbDisc& disc, int flags)
{
    if (!disc.hasRecord)
        disc = FullDiscInfo(disc, 0);
    return m_prompts.EditDisc(disc, flags);
}

void CCddbClient::CheckSubmittable(const CCddbDisc& disc) const
{
    if (!disc.hasRecord || disc.Artist().trimmed().isEmpty() || disc.Title().trimmed().isEmpty())
        throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("The disc needs an artist and a title."));
    if (!CddbCategories().contains(disc.category) || !IsCddbDiscIdText(disc.discId))
        throw CCddbError(CCddbError::InvalidArgument,
                         QStringLiteral("The disc needs one of the CDDB categories and a disc id."));
    bool untouched = true;
    for (int track = 1; track <= disc.TrackCount(); ++track) {
        const QString title = disc.TrackTitle(track).trimmed();
        if (title.isEmpty())
            throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("Track %1 has no title.").arg(track));
        untouched = untouched && title == DefaultTrackTitle(track);
    }
    if (untouched)
        throw CCddbError(CCddbError::InvalidArgument, QStringLiteral("The track titles have not been filled in."));
}

void CCddbClient::SubmitDisc(const CCddbDisc& disc, int)
{
    CheckSubmittable(disc);
    if (UserRegistration(1) == 0)
        throw CCddbError(CCddbError::NotRegistered, QStringLiteral("Submitting needs your e-mail address."));
    CXmcdRecord record = disc.record;
    if (disc.fromDatabase)
        ++record.revision;
    if (!record.discIds.split(QLatin1Char(',')).contains(disc.discId))
        record.discIds = record.discIds.isEmpty() ? disc.discId : disc.discId + QLatin1Char(',') + record.discIds;
    record.playorder.clear();
    const QByteArray body = WriteXmcd(record);

    QUrl url = m_options.site;
    const QString path = url.path();
    url.setPath(path.left(path.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral("submit.cgi"));
    url.setQuery(QString());
    const CCddbHttp::Headers headers = {
        {"Category", disc.category.toUtf8()},
        {"Discid", disc.discId.toUtf8()},
        {"User-Email", UserEmail().toUtf8()},
        {"Submit-Mode", m_options.testSubmissions ? "test" : "submit"},
        {"Charset", "UTF-8"},
        {"X-Cddbd-Note", "Sent by Covermint 2.0"},
    };
    const CCddbReply reply = Send(url, &headers, &body);
    if (reply.code != 200)
        throw ServerRefusal(reply);
    if (!m_options.testSubmissions)
        m_cache.Store(disc.category, disc.discId, record);
}

QUrl CCddbClient::MusicBrowserUrl(const CCddbDisc* disc) const
{
    QUrl url;
    url.setScheme(m_options.site.scheme());
    url.setHost(m_options.site.host());
    url.setPort(m_options.site.port());
    url.setPath(disc && !disc->Identifier().isEmpty()
                    ? QStringLiteral("/cd/%1/%2").arg(disc->category, disc->discId)
                    : QStringLiteral("/"));
    return url;
}

void CCddbClient::OpenMusicBrowser(const CCddbDisc* disc, int, int)
{
    if (!m_prompts.OpenUrl(MusicBrowserUrl(disc)))
        throw CCddbError(CCddbError::Failed, QStringLiteral("The music browser could not be opened."));
}

bool CCddbClient::IsBusy() const
{
    return m_http->IsBusy();
}

void CCddbClient::Cancel()
{
    m_http->Cancel();
}

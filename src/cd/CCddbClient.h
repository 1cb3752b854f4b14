#pragma once
// Our CDDB client: looks discs up by their table of contents, reads and
// caches entries, makes and edits new discs, submits them, keeps the user's
// registration and opens the disc's page on the site. It speaks CDDB over
// HTTP (protocol level 6) to one site; every failing call throws CCddbError.
// Its choices and editing go through ICddbPrompts, which the window answers
// with dialogs and scripts and tests answer themselves.
#include "cd/CCddbDisc.h"
#include "cd/CDiscToc.h"
#include "cd/CddbCache.h"
#include "cd/CddbReply.h"

#include <QObject>
#include <QUrl>
#include <vector>

class CCddbHttp;

struct CCddbOptions
{
    QUrl site = QUrl(QStringLiteral("http://gnudb.gnudb.org/~cddb/cddb.cgi"));
    QString cacheFolder;
    QString proxyHost;
    int proxyPort = 0;
    QString proxyUser;
    QString proxyPassword;
    int timeoutMs = 20000;
    bool testSubmissions = false; // Submit-Mode: test (the site only checks)
};

// As it stands, nobody answers: no choice, no edit, no address, no browser.
class ICddbPrompts
{
public:
    virtual ~ICddbPrompts() = default;
    // The index of the picked disc, or -1.
    virtual int ChooseDisc(const std::vector<CCddbDisc>&) { return -1; }
    // Edits the disc in place; returns CCddbClient's edit result flags.
    virtual int EditDisc(CCddbDisc&, int) { return 0; }
    // The user's e-mail address; empty when the user declines.
    virtual QString AskEmail(const QString&) { return {}; }
    virtual bool OpenUrl(const QUrl&) { return false; }
};

class CCddbClient : public QObject
{
    Q_OBJECT
public:
    enum LookupResult { NoMatch = 1, SeveralMatches = 2, OneMatch = 3 };
    enum EditFlags { EditUpdate = 2, EditNewDisc = 8, EditedDisc = 256, EditedTracks = 1024 };

    explicit CCddbClient(ICddbPrompts& prompts, QObject* parent = nullptr);
    ~CCddbClient() override;

    // "host/~cddb/cddb.cgi (Default Site)" as the preferences keep it, or a
    // full address; no scheme means http.
    static QUrl SiteUrl(const QString& site);

    const CCddbOptions& Options() const { return m_options; }
    void SetOptions(const CCddbOptions& options);

    // Non-zero when an e-mail address is stored; with prompt 1 the user is
    // asked for one first when none is.
    int UserRegistration(int prompt);
    QString UserEmail() const;
    // Asks for the address again, showing the stored one.
    int EditUserInfo(int flags);

    int LookupMediaByToc(const QString& tocText, int flags);
    const CCddbDisc& MatchedDisc() const { return m_matched; }
    const std::vector<CCddbDisc>& MatchList() const { return m_matches; }
    std::optional<CCddbDisc> ChooseDisc(const std::vector<CCddbDisc>& matches);
    CCddbDisc FullDiscInfo(const CCddbDisc& disc, int flags);
    CCddbDisc NewDisc(const QString& tocText, const QString& artist, const QString& title);
    int EditDisc(CCddbDisc& disc, int flags);
    void SubmitDisc(const CCddbDisc& disc, int flags);
    // The disc's page on the site, or the site's front page without a disc.
    void OpenMusicBrowser(const CCddbDisc* disc, int, int);
    QUrl MusicBrowserUrl(const CCddbDisc* disc) const;

    bool IsBusy() const;

public slots:
    void Cancel();

signals:
    void busyChanged(bool busy);

private:
    CCddbReply Command(const QString& command);
    // GET without a body, else POST; the answer read as a CDDB reply.
    CCddbReply Send(const QUrl& url, const QList<QPair<QByteArray, QByteArray>>* headers, const QByteArray* body);
    QUrl CommandUrl(const QString& command) const;
    CCddbDisc DiscFromMatch(const CCddbMatch& match) const;
    bool LookupInCache(const CDiscToc& toc);
    void CheckSubmittable(const CCddbDisc& disc) const;

    ICddbPrompts& m_prompts;
    CCddbOptions m_options;
    CCddbCache m_cache;
    CCddbHttp* m_http;
    CCddbDisc m_matched;
    std::vector<CCddbDisc> m_matches;
};

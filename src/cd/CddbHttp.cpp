#include "cd/CddbHttp.h"

#include "cd/CddbError.h"
#include "cd/CddbReply.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
enum class Ending { Finished, TimedOut, TooLarge };
}

CCddbHttp::CCddbHttp(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

CCddbHttp::~CCddbHttp()
{
    Cancel();
}

void CCddbHttp::SetProxy(const QNetworkProxy& proxy)
{
    m_network->setProxy(proxy);
}

QByteArray CCddbHttp::Get(const QUrl& url)
{
    return Exchange(url, {}, nullptr);
}

QByteArray CCddbHttp::Post(const QUrl& url, const Headers& headers, const QByteArray& body)
{
    return Exchange(url, headers, &body);
}

void CCddbHttp::Cancel()
{
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

QByteArray CCddbHttp::Exchange(QUrl url, const Headers& headers, const QByteArray* body)
{
    if (m_reply)
        throw CCddbError(CCddbError::Failed, QStringLiteral("A CDDB request is already under way."));
    for (int hop = 0;; ++hop) {
        if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
            throw CCddbError(CCddbError::InvalidArgument,
                             QStringLiteral("The CDDB site %1 is not an http or https address.").arg(url.toString()));
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Covermint/2.0"));
        for (const auto& [name, value] : headers)
            request.setRawHeader(name, value);
        if (body && !request.hasRawHeader("Content-Type"))
            request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/plain; charset=UTF-8"));
        QNetworkReply* reply = body ? m_network->post(request, *body) : m_network->get(request);
        int status = 0;
        QUrl redirect;
        const QByteArray answer = WaitFor(reply, status, redirect);
        if (status >= 200 && status < 300)
            return answer;
        if (status < 300 || status >= 400 || redirect.isEmpty())
            throw CCddbError(CCddbError::Network,
                             QStringLiteral("The CDDB site answered HTTP %1.").arg(status));
        const QUrl target = url.resolved(redirect);
        if (target.scheme() != url.scheme())
            throw CCddbError(CCddbError::Redirect,
                             QStringLiteral("The CDDB site sent the request on to %1, another scheme; not followed.")
                                 .arg(target.toString()));
        if (hop == kMaxRedirects)
            throw CCddbError(CCddbError::Redirect, QStringLiteral("The CDDB site redirected too many times."));
        url = target;
    }
}

QByteArray CCddbHttp::WaitFor(QNetworkReply* reply, int& status, QUrl& redirect)
{
    m_reply = reply;
    m_cancelled = false;
    Ending ending = Ending::Finished;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, reply, [&] { ending = Ending::TimedOut; reply->abort(); });
    auto tooLarge = [&](qint64 size) {
        if (size > CCddbReply::kMaxReplyBytes && ending == Ending::Finished) {
            ending = Ending::TooLarge;
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply,
            [&] { tooLarge(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()); });
    connect(reply, &QNetworkReply::readyRead, reply, [&] { tooLarge(reply->bytesAvailable()); });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        timer.start(m_timeoutMs);
        loop.exec();
    }
    m_reply = nullptr;
    const QByteArray answer = ending == Ending::Finished && !m_cancelled ? reply->readAll() : QByteArray();
    status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    redirect = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    const QString errorText = reply->errorString();
    const bool failed = reply->error() != QNetworkReply::NoError;
    reply->deleteLater();
    if (m_cancelled)
        throw CCddbError(CCddbError::Cancelled, QStringLiteral("The CDDB request was cancelled."));
    if (ending == Ending::TimedOut)
        throw CCddbError(CCddbError::Timeout,
                         QStringLiteral("The CDDB site did not answer within %1 seconds.").arg(m_timeoutMs / 1000.0));
    if (ending == Ending::TooLarge)
        throw CCddbError(CCddbError::BadReply, QStringLiteral("The server's reply is too large."));
    if (failed && status == 0)
        throw CCddbError(CCddbError::Network, QStringLiteral("Could not reach the CDDB site: %1").arg(errorText));
    return answer;
}

#pragma once
// One HTTP exchange with a CDDB site: GET or POST, waiting in a local event
// loop (the window stays live) with a timeout and a cancel. Redirects are
// followed a few times within the same scheme only; replies larger than the
// reply bound are cut off. Failures throw CCddbError.
#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class CCddbHttp : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxRedirects = 3;
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    explicit CCddbHttp(QObject* parent = nullptr);
    ~CCddbHttp() override;

    void SetTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int Timeout() const { return m_timeoutMs; }
    void SetProxy(const QNetworkProxy& proxy);
    bool IsBusy() const { return m_reply != nullptr; }

    QByteArray Get(const QUrl& url);
    QByteArray Post(const QUrl& url, const Headers& headers, const QByteArray& body);

public slots:
    // Ends the exchange under way; its call throws a Cancelled error.
    void Cancel();

private:
    QByteArray Exchange(QUrl url, const Headers& headers, const QByteArray* body);
    QByteArray WaitFor(QNetworkReply* reply, int& status, QUrl& redirect);

    QNetworkAccessManager* m_network;
    QNetworkReply* m_reply = nullptr;
    int m_timeoutMs = 20000;
    bool m_cancelled = false;
};

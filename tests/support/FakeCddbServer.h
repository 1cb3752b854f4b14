#pragma once
// A CDDB site on 127.0.0.1 for tests: a small HTTP server whose answers a
// test scripts through a handler. Keeps every request it was sent.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>
#include <functional>

struct FakeHttpRequest
{
    QByteArray method;
    QByteArray path;  // without the query
    QByteArray query;
    QString command;  // the cmd parameter, blanks restored
    QString hello;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

struct FakeHttpResponse
{
    using Headers = QList<QPair<QByteArray, QByteArray>>;
    FakeHttpResponse(int code = 200, QByteArray content = {}, Headers extraHeaders = {}, int delay = 0)
        : status(code), body(std::move(content)), headers(std::move(extraHeaders)), delayMs(delay) {}

    int status;
    QByteArray body;
    Headers headers;
    int delayMs;
};

class FakeCddbServer : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<FakeHttpResponse(const FakeHttpRequest&)>;

    FakeCddbServer();
    QUrl SiteUrl() const; // http://127.0.0.1:<port>/~cddb/cddb.cgi
    quint16 Port() const { return m_server.serverPort(); }

    // A CDDB reply: the status line, then the body lines and "." when given.
    static QByteArray Reply(const QByteArray& status, const QStringList& body = {}, bool terminate = true);

    Handler handler;
    QList<FakeHttpRequest> requests;

private:
    void Serve(QTcpSocket* socket);
    QTcpServer m_server;
};

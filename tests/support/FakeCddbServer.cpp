#include "support/FakeCddbServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace {

QString QueryValue(const QByteArray& query, const char* name)
{
    for (const QByteArray& pair : query.split('&'))
        if (pair.startsWith(QByteArray(name) + '='))
            return QUrl::fromPercentEncoding(pair.mid(qsizetype(strlen(name)) + 1).replace('+', ' '));
    return {};
}

// A whole request once it has arrived, or nothing yet.
std::optional<FakeHttpRequest> ParseRequest(const QByteArray& data)
{
    const qsizetype headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = data.left(headEnd).split('\n');
    FakeHttpRequest request;
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    request.method = first.value(0);
    const QByteArray target = first.value(1);
    const qsizetype q = target.indexOf('?');
    request.path = q < 0 ? target : target.left(q);
    request.query = q < 0 ? QByteArray() : target.mid(q + 1);
    const QByteArray& query = request.query;
    request.command = QueryValue(query, "cmd");
    request.hello = QueryValue(query, "hello");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (data.size() < headEnd + 4 + length)
        return std::nullopt;
    request.body = data.mid(headEnd + 4, length);
    return request;
}

} // namespace

FakeCddbServer::FakeCddbServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection())
            Serve(socket);
    });
}

QUrl FakeCddbServer::SiteUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/~cddb/cddb.cgi").arg(Port()));
}

QByteArray FakeCddbServer::Reply(const QByteArray& status, const QStringList& body, bool terminate)
{
    QByteArray out = status + "\r\n";
    for (const QString& line : body)
        out += line.toUtf8() + "\r\n";
    if (!body.isEmpty() && terminate)
        out += ".\r\n";
    return out;
}

void FakeCddbServer::Serve(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
        *buffer += socket->readAll();
        const std::optional<FakeHttpRequest> request = ParseRequest(*buffer);
        if (!request)
            return;
        buffer->clear();
        requests << *request;
        const FakeHttpResponse response = handler ? handler(*request) : FakeHttpResponse{404};
        QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Answer\r\n";
        for (const auto& [name, value] : response.headers)
            out += name + ": " + value + "\r\n";
        out += "Content-Type: text/plain; charset=UTF-8\r\nContent-Length: " + QByteArray::number(response.body.size())
            + "\r\nConnection: close\r\n\r\n" + response.body;
        QTimer::singleShot(response.delayMs, socket, [socket, out] {
            socket->write(out);
            socket->disconnectFromHost();
        });
    });
}

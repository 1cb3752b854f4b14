#include "app/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr char kTaken = 'K';
// A list of paths is small; anything larger is not from us.
constexpr qint64 kMaxMessage = 1 << 20;

} // namespace

QString SingleInstance::ServerName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/covermint.socket");
}

bool SingleInstance::HandOver(const QStringList& files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QStringList absolute;
    for (const QString& file : files)
        absolute << QFileInfo(file).absoluteFilePath();
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << absolute;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // Only an answer proves the files arrived; without one we start ourselves.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

CInstanceServer::CInstanceServer(std::function<void(const QStringList&)> open, QObject* parent)
    : QObject(parent), m_open(std::move(open)), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = SingleInstance::ServerName();
    if (!m_server->listen(name)) {
        // A socket left by a program that crashed answers nobody: replace it.
        // One that answers belongs to a window started at the same moment.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (!probe.waitForConnected(500)) {
            QLocalServer::removeServer(name);
            m_server->listen(name);
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &CInstanceServer::Accept);
}

CInstanceServer::~CInstanceServer() = default;

void CInstanceServer::Accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(socket); });
        if (socket->bytesAvailable() > 0)
            Receive(socket);
    }
}

void CInstanceServer::Receive(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxMessage) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.startTransaction();
    QStringList files;
    in >> files;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    socket->putChar(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    m_open(files);
}

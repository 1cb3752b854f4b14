#pragma once
// One Covermint window per user: a second start with files hands them to
// the running program through a local socket and exits.
#include <QObject>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace SingleInstance {

// The socket's path, in the user's runtime folder.
QString ServerName();

// Sends files (made absolute) to a running instance and waits for it to take
// them. False when none answers, so this process should start itself.
bool HandOver(const QStringList& files, int timeoutMs = 3000);

} // namespace SingleInstance

// Listens for later starts while the window is open; each list received is
// passed to open().
class CInstanceServer : public QObject
{
    Q_OBJECT
public:
    explicit CInstanceServer(std::function<void(const QStringList&)> open, QObject* parent = nullptr);
    ~CInstanceServer() override;

private:
    void Accept();
    void Receive(QLocalSocket* socket);

    std::function<void(const QStringList&)> m_open;
    QLocalServer* m_server = nullptr;
};

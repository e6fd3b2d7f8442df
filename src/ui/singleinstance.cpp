#include "ui/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace klettra::ui {

namespace {

const QByteArray ActivateMessage = QByteArrayLiteral("activate\n");
constexpr int ConnectTimeoutMs = 500;

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(std::move(serverName))
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString &applicationTitle)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    // Socket names become file names: keep them short and free of spaces and slashes.
    const QByteArray key = (applicationTitle + QLatin1Char('|') + user).toUtf8();
    return QStringLiteral("klettra-") +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::notifyRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(ConnectTimeoutMs)) {
        socket.write(ActivateMessage);
        socket.waitForBytesWritten(ConnectTimeoutMs);
        socket.disconnectFromServer();
        return true;
    }
    listen();
    return false;
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // Nobody answered, so a socket file left by a crashed instance is in the way.
        QLocalServer::removeServer(m_serverName);
        m_server->listen(m_serverName);
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        const auto readMessage = [this, socket] {
            if (socket->canReadLine() && socket->readLine() == ActivateMessage)
                Q_EMIT activationRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The message may have arrived with the connection itself.
        readMessage();
    }
}

} // namespace klettra::ui

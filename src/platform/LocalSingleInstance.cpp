#include "LocalSingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
constexpr int ConnectTimeoutMs = 1000;

QString userName()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(getuid());
}

QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

} // namespace

LocalSingleInstance::LocalSingleInstance(const QString& title, QObject* parent)
    : QObject(parent), m_serverName(serverNameFor(title))
{}

LocalSingleInstance::~LocalSingleInstance() = default;

QString LocalSingleInstance::serverNameFor(const QString& title)
{
    return QDir(runtimeFolder()).filePath(title + u'-' + userName());
}

bool LocalSingleInstance::findEarlierInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    // A socket file left by a crashed copy refuses the connection at once.
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void LocalSingleInstance::listen(std::function<void()> onRaise)
{
    m_onRaise = std::move(onRaise);
    if (m_server)
        return;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &LocalSingleInstance::acceptConnections);
    if (m_server->listen(m_serverName))
        return;
    // Nobody answered findEarlierInstance, so the socket is a leftover of a crashed copy.
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        m_server->listen(m_serverName);
    }
}

void LocalSingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(socket);
    }
}

void LocalSingleInstance::readRequest(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        if (socket->readLine() == RaiseRequest && m_onRaise)
            m_onRaise();
    }
}

#include "LocalSingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

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

LocalSingleInstance::~LocalSingleInstance()
{
    // The socket goes before the claim, so that a copy started now finds neither or the claim alone.
    delete m_server;
    m_server = nullptr;
}

QString LocalSingleInstance::serverNameFor(const QString& title)
{
    return QDir(runtimeFolder()).filePath(title + u'-' + userName());
}

// The lock file is the claim: two copies started in the same instant cannot both hold it, and a
// crashed copy's lock is taken over (its process is gone). The socket only wakes the first copy.
bool LocalSingleInstance::findEarlierInstance()
{
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(m_serverName + u".lock"_s);
        m_lock->setStaleLockTime(0);
    }
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return false;
    if (m_lock->error() != QLockFile::LockFailedError)
        return false; // no claim can be made here (no access): run rather than refuse to start
    wakeEarlierInstance();
    return true;
}

void LocalSingleInstance::wakeEarlierInstance() const
{
    // The first copy may still be on its way to listening.
    QDeadlineTimer deadline(ConnectTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(RaiseRequest);
            socket.waitForBytesWritten(ConnectTimeoutMs);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(20);
    }
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
    // This copy holds the claim, so the socket is a leftover of a crashed copy.
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

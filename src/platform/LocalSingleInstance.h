#pragma once

#include "SingleInstance.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

// One copy per user: the first claims a lock file named after the title and the
// user; a later start finds the claim, asks the running copy through a local
// socket to come forward and ends.
class LocalSingleInstance final : public QObject, public SingleInstance
{
    Q_OBJECT

public:
    explicit LocalSingleInstance(const QString& title, QObject* parent = nullptr);
    ~LocalSingleInstance() override;

    // The socket of a title for the current user, in the user's runtime folder.
    static QString serverNameFor(const QString& title);

    bool findEarlierInstance() override;
    void listen(std::function<void()> onRaise) override;

    const QString& serverName() const { return m_serverName; }

private:
    void wakeEarlierInstance() const;
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_onRaise;
};

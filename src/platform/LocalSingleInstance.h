#pragma once

#include "SingleInstance.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One copy per user through a local socket named after the title and the
// user: a later start connects, asks the running copy to come forward and ends.
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
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_onRaise;
};

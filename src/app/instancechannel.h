#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// One Tessera per user: a second start hands the files it was given to the running window and
// exits, so two runs never share one program directory, one internal clipboard and one set of
// swap files.
namespace InstanceChannel {

// The local socket's name, one per user and login session.
QString serverName();

enum class Handover {
    Delivered,  // the running window has the files
    NoInstance, // nothing runs: this start becomes the instance
    NoAnswer,   // something holds the name but did not answer in time
};

// Sends absolute file names to the running instance and waits for its receipt.
Handover sendToRunning(const QStringList& files, const QString& name = serverName(), int timeoutMs = 1000);

} // namespace InstanceChannel

// The running instance's side: listens under the name and reports the files each later start
// hands over.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);

    // False when the name cannot be taken; errorString() says why.
    bool listen(const QString& name = InstanceChannel::serverName());
    QString errorString() const { return m_error; }

Q_SIGNALS:
    void filesReceived(const QStringList& files);

private:
    void acceptConnection();

    QLocalServer* m_server;
    QString m_error;
};

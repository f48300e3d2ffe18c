#include "app/instancechannel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// The message: file names as UTF-8, one per line, then an empty line; the answer is one byte.
constexpr char receipt = '\x06';

QByteArray encode(const QStringList& files)
{
    QByteArray message;
    for (const QString& file : files)
        message += file.toUtf8() + '\n';
    return message + '\n';
}

} // namespace

QString InstanceChannel::serverName()
{
    // The user's runtime folder belongs to one user and one login session.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/tessera-instance");
}

InstanceChannel::Handover InstanceChannel::sendToRunning(const QStringList& files, const QString& name, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) {
        const QLocalSocket::LocalSocketError error = socket.error();
        // A name nobody listens on, or the socket file a crashed run left behind.
        if (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError)
            return Handover::NoInstance;
        return Handover::NoAnswer;
    }
    socket.write(encode(files));
    if (!socket.waitForBytesWritten(timeoutMs))
        return Handover::NoAnswer;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return Handover::NoAnswer;
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == receipt ? Handover::Delivered : Handover::NoAnswer;
}

InstanceServer::InstanceServer(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnection);
}

bool InstanceServer::listen(const QString& name)
{
    if (m_server->listen(name))
        return true;
    // Only a socket file left by a run that is gone can stand in the way: a live one would have
    // answered the hand-over before this start got here.
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        return true;
    m_error = m_server->errorString();
    return false;
}

void InstanceServer::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray received = socket->peek(socket->bytesAvailable());
            if (!received.endsWith("\n\n") && received != "\n")
                return;
            socket->readAll();
            QStringList files;
            for (const QByteArray& line : received.split('\n')) {
                if (!line.isEmpty())
                    files << QString::fromUtf8(line);
            }
            socket->putChar(receipt);
            socket->flush();
            emit filesReceived(files);
        });
    }
}

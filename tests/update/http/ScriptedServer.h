#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

// A loopback HTTP server for tests. It records what each connection sends and
// answers the n-th connection, once its header block is in, with the n-th
// reply: whole, or `pieceLength` bytes every `delayMs`; then it closes (or
// resets the connection), unless told to stay. Connections past the replies
// get silence.
class ScriptedServer : public QTcpServer {
public:
    struct Reply {
        QByteArray bytes;
        qsizetype pieceLength = 0;
        int delayMs = 5;
        bool close = true;
        bool reset = false;
    };
    QList<Reply> replies;
    QList<QByteArray> requests;
    int connectionCount = 0;

    ScriptedServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *connection = nextPendingConnection();
            connection->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            const Reply reply = replies.value(connectionCount++, {{}, 0, 0, false, false});
            const qsizetype at = requests.size();
            requests.append(QByteArray());
            connect(connection, &QIODevice::readyRead, connection, [=, this] {
                const bool answered = requests[at].contains("\r\n\r\n");
                requests[at] += connection->readAll();
                if (!answered && requests[at].contains("\r\n\r\n"))
                    send(connection, reply, 0);
            });
        });
    }
    QString url(const QString &path = "/") const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

private:
    // Ends the connection with a TCP reset instead of an orderly close.
    static void reset(QTcpSocket *connection)
    {
        connection->flush();
        const linger abrupt{1, 0};
        ::setsockopt(int(connection->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abrupt,
                     sizeof abrupt);
        connection->abort();
    }

    void send(QTcpSocket *connection, const Reply &reply, qsizetype at)
    {
        const qsizetype length = reply.pieceLength > 0 ? reply.pieceLength : reply.bytes.size();
        connection->write(reply.bytes.mid(at, length));
        if (at + length < reply.bytes.size())
            QTimer::singleShot(reply.delayMs, connection,
                               [=, this] { send(connection, reply, at + length); });
        else if (reply.reset)
            reset(connection);
        else if (reply.close)
            connection->disconnectFromHost();
    }
};

#include "ScriptedServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

ScriptedServer::Reply ScriptedServer::inPieces(const QByteArray &response, int length,
                                               int delayMilliseconds, bool closeAfterwards)
{
    Reply reply{{}, closeAfterwards};
    for (qsizetype at = 0; at < response.size(); at += length)
        reply.pieces.append({response.mid(at, length), delayMilliseconds});
    return reply;
}

ScriptedServer::ScriptedServer()
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *connection = nextPendingConnection()) {
            connection->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(connection, &QAbstractSocket::disconnected, connection, &QObject::deleteLater);
            const Reply reply =
                connectionCount < replies_.size() ? replies_[connectionCount] : silence();
            ++connectionCount;
            auto received = std::make_shared<QByteArray>();
            auto answered = std::make_shared<bool>(false);
            connect(connection, &QIODevice::readyRead, connection,
                    [this, connection, reply, received, answered] {
                        *received += connection->readAll();
                        const qsizetype headerEnd = received->indexOf("\r\n\r\n");
                        if (*answered || headerEnd < 0)
                            return;
                        qsizetype bodyLength = 0;
                        const QByteArray head = received->left(headerEnd).toLower();
                        const qsizetype field = head.indexOf("\r\ncontent-length: ");
                        if (field >= 0)
                            bodyLength = head.mid(field + 18).split('\r').front().toLongLong();
                        if (received->size() < headerEnd + 4 + bodyLength)
                            return;
                        *answered = true;
                        requests.append(*received);
                        answer(connection, reply);
                    });
        }
    });
}

QString ScriptedServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void ScriptedServer::answer(QTcpSocket *connection, Reply reply)
{
    if (reply.pieces.isEmpty()) {
        if (reply.closeAfterwards)
            connection->disconnectFromHost();
        return;
    }
    const Piece piece = reply.pieces.takeFirst();
    QTimer::singleShot(piece.delayMilliseconds, connection, [this, connection, piece, reply] {
        connection->write(piece.bytes);
        connection->flush();
        answer(connection, reply);
    });
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTcpServer>

// A loopback HTTP server for tests: it reads each request whole (header block
// and Content-length body), records it, then answers with scripted bytes,
// piece by piece, and closes or keeps the connection open as told.
class ScriptedServer : public QTcpServer {
    Q_OBJECT

public:
    struct Piece {
        QByteArray bytes;
        int delayMilliseconds = 0;
    };
    struct Reply {
        QList<Piece> pieces;
        bool closeAfterwards = true;
    };

    // The whole response at once, then close.
    static Reply reply(const QByteArray &response) { return {{{response, 0}}, true}; }
    // The response cut into pieces of `length` bytes, `delay` ms apart.
    static Reply inPieces(const QByteArray &response, int length, int delayMilliseconds,
                          bool closeAfterwards = true);
    // Accepts the connection and never answers.
    static Reply silence() { return {{}, false}; }

    ScriptedServer();

    // Answers for the successive connections; later ones get silence.
    void addReply(const Reply &reply) { replies_.append(reply); }
    QString url(const QString &path = QStringLiteral("/")) const;

    QList<QByteArray> requests;
    int connectionCount = 0;

private:
    void answer(class QTcpSocket *connection, Reply reply);

    QList<Reply> replies_;
};

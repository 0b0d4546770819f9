#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Python's stock HTTP server, serving a temporary folder on the loopback
// interface, for as long as the object lives.
class StockServer {
public:
    StockServer();
    ~StockServer();
    StockServer(const StockServer &) = delete;
    StockServer &operator=(const StockServer &) = delete;

    // False (with the reason in `problem`) when the server could not start.
    bool start();
    QString problem;

    // "http://127.0.0.1:port", no trailing "/".
    QString baseUrl() const;
    // Writes the file at `path` below the served folder.
    bool writeFile(const QString &path, const QByteArray &content);
    // Waits (without an event loop) for the server to log a served request.
    bool waitForRequestLog(int milliseconds);

private:
    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};

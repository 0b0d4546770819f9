#pragma once

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// Python's stock HTTP server on the loopback interface, serving a temporary
// folder for as long as the object lives; `url` stays empty if it failed.
struct StockServer {
    QTemporaryDir folder;
    QProcess process;
    QString url;

    StockServer()
    {
        process.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                  "--directory", folder.path()});
        // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
        for (QByteArray out; url.isEmpty() && process.waitForReadyRead(10000);) {
            out += process.readAllStandardOutput();
            const QString port = QRegularExpression("port (\\d+)").match(out).captured(1);
            url = port.isEmpty() ? "" : "http://127.0.0.1:" + port;
        }
        process.setReadChannel(QProcess::StandardError); // its request log
    }
    ~StockServer()
    {
        process.kill();
        process.waitForFinished();
    }

    bool writeVersionFile(const QByteArray &content)
    {
        QFile file(folder.filePath("quillomat/version.txt"));
        return QDir(folder.path()).mkpath("quillomat") && file.open(QIODevice::WriteOnly) &&
               file.write(content) == content.size();
    }
    // Without an event loop: true once the server has logged a GET.
    bool waitForRequest()
    {
        while (!process.peek(1 << 16).contains("\"GET ") && process.waitForReadyRead(10000)) {
        }
        return process.peek(1 << 16).contains("\"GET ");
    }
};

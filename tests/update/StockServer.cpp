#include "StockServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

StockServer::StockServer() = default;

StockServer::~StockServer()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool StockServer::start()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty() || !folder_.isValid()) {
        problem = QStringLiteral("python3 or a temporary folder is missing");
        return false;
    }
    process_.start(python, {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                            folder_.path()});
    // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
    static const QRegularExpression serving(QStringLiteral("port (\\d+)"));
    QByteArray output;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && process_.waitForReadyRead(int(deadline.remainingTime()))) {
        output += process_.readAllStandardOutput();
        const auto match = serving.match(QString::fromLatin1(output));
        if (match.hasMatch()) {
            port_ = match.captured(1).toUShort();
            return true;
        }
    }
    problem = QStringLiteral("the server did not start: ") + QString::fromLocal8Bit(output) +
              QString::fromLocal8Bit(process_.readAllStandardError());
    return false;
}

QString StockServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port_);
}

bool StockServer::writeFile(const QString &path, const QByteArray &content)
{
    const QString fullPath = folder_.filePath(path);
    QDir().mkpath(QFileInfo(fullPath).path());
    QFile file(fullPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

bool StockServer::waitForRequestLog(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    QByteArray log;
    while (!deadline.hasExpired()) {
        process_.setReadChannel(QProcess::StandardError);
        if (process_.waitForReadyRead(int(deadline.remainingTime())))
            log += process_.readAllStandardError();
        if (log.contains("\"GET "))
            return true;
    }
    return false;
}

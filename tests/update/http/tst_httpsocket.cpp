#include "ScriptedServer.h"
#include "update/http/HTTPSocket.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QByteArray okEmpty = "HTTP/1.0 200 OK\r\n\r\n";

// Every event of an asynchronous request as one line, so that one comparison
// checks a whole exchange.
void logEvents(HTTPSocket &socket, QStringList &log)
{
    QObject::connect(&socket, &HTTPSocket::Connected, [&log] { log << "Connected"; });
    QObject::connect(&socket, &HTTPSocket::HeadersReceived, [&log](const auto &, qint32 status) {
        log << QStringLiteral("HeadersReceived %1").arg(status);
    });
    QObject::connect(&socket, &HTTPSocket::ReceiveProgress,
                     [&log](qint64 received, qint64 total, const QByteArray &data) {
                         log << QStringLiteral("ReceiveProgress %1/%2 %3")
                                    .arg(received)
                                    .arg(total)
                                    .arg(QString::fromLatin1(data));
                     });
    QObject::connect(
        &socket, &HTTPSocket::PageReceived,
        [&log](const QString &, qint32 status, const auto &, const QByteArray &body) {
            log << QStringLiteral("PageReceived %1 %2").arg(status).arg(QString::fromLatin1(body));
        });
    QObject::connect(&socket, &HTTPSocket::DownloadComplete,
                     [&log](const QString &, qint32 status, const auto &, const QString &) {
                         log << QStringLiteral("DownloadComplete %1").arg(status);
                     });
    QObject::connect(&socket, &HTTPSocket::Error,
                     [&log](qint32 code) { log << QStringLiteral("Error %1").arg(code); });
}

QString headerList(const std::shared_ptr<InternetHeaders> &headers)
{
    QStringList entries;
    for (qint32 index = 0; headers && index < headers->Count(); ++index)
        entries << QString::fromLatin1(headers->Name(index) + '=' + headers->Value(index));
    return entries.join(QLatin1Char('|'));
}

} // namespace

class TestHTTPSocket : public QObject {
    Q_OBJECT

private slots:
    void sendsTheExactRequest_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray defaults = "Accept: */*\r\nAccept-Language: en\r\n";
        QTest::newRow("fresh GET keeps path and query")
            << "GET"
            << "http://127.0.0.1:%1/a/b?c=1"
            << "GET /a/b?c=1 HTTP/1.0\r\n" + defaults + "Host: 127.0.0.1:%1\r\n\r\n";
        QTest::newRow("host name looked up, every address tried")
            << "GET"
            << "http://localhost:%1/"
            << "GET / HTTP/1.0\r\n" + defaults + "Host: localhost:%1\r\n\r\n";
        QTest::newRow("URL without scheme or path")
            << "GET"
            << "127.0.0.1:%1"
            << "GET / HTTP/1.0\r\n" + defaults + "Host: 127.0.0.1:%1\r\n\r\n";
        QTest::newRow("empty value removes a header")
            << "user agent set then removed"
            << "http://127.0.0.1:%1/"
            << "GET / HTTP/1.0\r\n" + defaults + "X-Test: 1\r\nHost: 127.0.0.1:%1\r\n\r\n";
        QTest::newRow("line breaks in a header are refused")
            << "injection"
            << "http://127.0.0.1:%1/"
            << "GET / HTTP/1.0\r\n" + defaults + "Host: 127.0.0.1:%1\r\n\r\n";
        QTest::newRow("cleared headers leave only Host")
            << "clear"
            << "http://127.0.0.1:%1/x"
            << QByteArray("GET /x HTTP/1.0\r\nHost: 127.0.0.1:%1\r\n\r\n");
        QTest::newRow("POST with form data")
            << "form"
            << "http://127.0.0.1:%1/f"
            << "POST /f HTTP/1.0\r\n" + defaults +
                   "Host: 127.0.0.1:%1\r\nContent-type: application/x-www-form-urlencoded\r\n"
                   "Content-length: 26\r\n\r\na+b=1%2B1%3D2&x%2Dy%5Fz=ok";
        QTest::newRow("POST without content")
            << "POST"
            << "http://127.0.0.1:%1/"
            << "POST / HTTP/1.0\r\n" + defaults +
                   "Host: 127.0.0.1:%1\r\nContent-type: \r\nContent-length: 0\r\n\r\n";
        QTest::newRow("GET drops a stored body")
            << "body then GET"
            << "http://127.0.0.1:%1/"
            << "GET / HTTP/1.0\r\n" + defaults + "Host: 127.0.0.1:%1\r\n\r\n";
        QTest::newRow("proxy on the default port gets the whole URL")
            << "proxy"
            << "http://origin.test/x?y"
            << "GET http://origin.test/x?y HTTP/1.0\r\n" + defaults + "Host: origin.test\r\n\r\n";
    }
    void sendsTheExactRequest()
    {
        QFETCH(QString, setup);
        QFETCH(QString, url);
        QFETCH(QByteArray, expected);
        ScriptedServer server;
        server.addReply(ScriptedServer::reply(okEmpty));
        server.addReply(ScriptedServer::reply(okEmpty));
        const QByteArray port = QByteArray::number(server.serverPort());
        if (url.contains("%1"))
            url = url.arg(server.serverPort());

        HTTPSocket socket;
        if (setup == "user agent set then removed") {
            QVERIFY(socket.SetRequestHeader("User-Agent", "Quillomat"));
            QVERIFY(socket.SetRequestHeader("X-Test", "1"));
            QVERIFY(socket.SetRequestHeader("User-Agent", ""));
        } else if (setup == "injection") {
            QVERIFY(!socket.SetRequestHeader("X-Evil", "a\r\nInjected: 1"));
            QVERIFY(!socket.SetRequestHeader("X-Evil\n", "a"));
            QVERIFY(!socket.SetPostContent("body", "text/plain\r\nInjected: 1"));
        } else if (setup == "clear") {
            socket.ClearRequestHeaders();
        } else if (setup == "form") {
            socket.SetFormData(HTTPSocket::FormData{{"a b", "1+1=2"}, {"x-y_z", "ok"}});
        } else if (setup == "body then GET") {
            QVERIFY(socket.SetPostContent("stale", "text/plain"));
        } else if (setup == "proxy") {
            socket.HTTPProxyAddress = "127.0.0.1";
            socket.DefaultPort = server.serverPort();
        }
        if (setup == "POST" || setup == "form")
            socket.Post(url, 5);
        else
            socket.Get(url, 5);
        QCOMPARE(socket.ErrorCode(), 0);
        QCOMPARE(server.requests.value(0), expected.replace("%1", port));

        if (setup == "body then GET") {
            // The dropped body stays dropped for the next POST.
            socket.Post(url, 5);
            QVERIFY(
                server.requests.value(1).endsWith("Content-type: \r\nContent-length: 0\r\n\r\n"));
        }
    }

    void retriesOnceWithCredentialsAfter401_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("authorization");
        QTest::newRow("name and password")
            << QByteArray("user") << QByteArray("pa:ss") << QByteArray("Basic dXNlcjpwYTpzcw==");
        QTest::newRow("empty credentials send a lone colon")
            << QByteArray() << QByteArray() << QByteArray("Basic Og==");
        const QByteArray longPassword(100, 'p');
        QTest::newRow("long credentials stay on one line")
            << QByteArray("u") << longPassword << "Basic " + ("u:" + longPassword).toBase64();
    }
    void retriesOnceWithCredentialsAfter401()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, authorization);
        ScriptedServer server;
        server.addReply(ScriptedServer::reply(
            "HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"q\"\r\n\r\ndenied"));
        server.addReply(ScriptedServer::reply("HTTP/1.0 200 OK\r\n\r\nwelcome"));
        server.addReply(ScriptedServer::reply("HTTP/1.0 200 OK\r\n\r\nagain"));
        HTTPSocket socket;
        QStringList asked;
        socket.AuthenticationRequired = [&](const auto &headers, QByteArray &n, QByteArray &p) {
            asked << QString::fromLatin1(headers->Value("www-authenticate"));
            n = name;
            p = password;
            return asked.size() == 1;
        };

        QCOMPARE(socket.Get(server.url(), 5), QByteArray("welcome"));
        QCOMPARE(socket.HTTPStatusCode(), 200);
        QCOMPARE(asked, QStringList{"Basic realm=\"q\""});
        const QByteArray request = "GET / HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
                                   "Host: 127.0.0.1:" +
                                   QByteArray::number(server.serverPort());
        QCOMPARE(server.requests.value(1),
                 request + "\r\nAuthorization: " + authorization + "\r\n\r\n");

        QCOMPARE(socket.Get(server.url(), 5), QByteArray("again"));
        QCOMPARE(server.requests.value(2), request + "\r\n\r\n");
    }

    void readsResponses_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("CR LF server")
            << QByteArray("HTTP/1.0 200 OK\r\nA: 1\r\nB:  two \r\n\r\nbody\r\nline") << 200
            << "A=1|B=two " << QByteArray("body\r\nline");
        QTest::newRow("LF server") << QByteArray("HTTP/1.0 200 OK\nA: 1\nB: 2\n\nbody\nline") << 200
                                   << "A=1|B=2" << QByteArray("body\nline");
        QTest::newRow("CR server") << QByteArray("HTTP/1.0 200 OK\rA: 1\rB: 2\r\rbody\rline") << 200
                                   << "A=1|B=2" << QByteArray("body\rline");
        QTest::newRow("LF server whose body holds CR LF CR LF")
            << QByteArray("HTTP/1.0 200 OK\nA: 1\n\nx\r\n\r\ny") << 200 << "A=1"
            << QByteArray("x\r\n\r\ny");
        QByteArray large(3'000'000, Qt::Uninitialized);
        for (qsizetype at = 0; at < large.size(); ++at)
            large[at] = char(at % 251);
        QTest::newRow("large body with its length announced")
            << "HTTP/1.0 200 OK\r\nContent-Length: 3000000\r\n\r\n" + large << 200
            << "Content-Length=3000000" << large;
        QTest::newRow("header block without a colon has no headers")
            << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << 204 << "" << QByteArray();
    }
    void readsResponses()
    {
        QFETCH(QByteArray, response);
        QFETCH(int, status);
        QFETCH(QString, headers);
        QFETCH(QByteArray, body);
        ScriptedServer server;
        server.addReply(ScriptedServer::reply(response));
        HTTPSocket socket;
        QCOMPARE(socket.Get(server.url(), 5), body);
        QCOMPARE(socket.ErrorCode(), 0);
        QCOMPARE(socket.HTTPStatusCode(), status);
        QCOMPARE(headerList(socket.PageHeaders()), headers);
        QCOMPARE(bool(socket.PageHeaders()), !headers.isEmpty());
    }

    void raisesEventsInOrder_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<int>("pieceLength");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("404 with a body")
            << "GET" << QByteArray("HTTP/1.0 404 Not Found\r\nServer: t\r\n\r\nmissing") << 0
            << QStringList{"Connected", "HeadersReceived 404", "ReceiveProgress 7/0 missing",
                           "PageReceived 404 missing"};
        QTest::newRow("HEAD reports headers only")
            << "HEAD" << QByteArray("HTTP/1.0 200 OK\r\nContent-length: 4\r\n\r\nbody") << 0
            << QStringList{"Connected", "HeadersReceived 200"};
        QTest::newRow("401 without a handler comes through")
            << "GET" << QByteArray("HTTP/1.0 401 Unauthorized\r\n\r\ndenied") << 0
            << QStringList{"Connected", "HeadersReceived 401", "ReceiveProgress 6/0 denied",
                           "PageReceived 401 denied"};
        QTest::newRow("body longer than its Content-length is kept whole")
            << "GET"
            << QByteArray("HTTP/1.0 200 OK\r\nContent-length: 10\r\n\r\n") + QByteArray(25, 'x')
            << 0
            << QStringList{"Connected", "HeadersReceived 200",
                           "ReceiveProgress 25/10 " + QString(25, 'x'),
                           "PageReceived 200 " + QString(25, 'x')};
        // The body follows in a later piece, so the progress right after the
        // headers has nothing yet.
        QTest::newRow("header block split across many reads")
            << "GET" << QByteArray("HTTP/1.0 200 OK\r\nContent-length: 5\r\nX: y\r\n\r\nhello") << 1
            << QStringList{"Connected",
                           "HeadersReceived 200",
                           "ReceiveProgress 0/5 ",
                           "ReceiveProgress 1/5 h",
                           "ReceiveProgress 2/5 e",
                           "ReceiveProgress 3/5 l",
                           "ReceiveProgress 4/5 l",
                           "ReceiveProgress 5/5 o",
                           "PageReceived 200 hello"};
        QTest::newRow("download to a file")
            << "download" << QByteArray("HTTP/1.0 200 OK\r\n\r\nsaved") << 0
            << QStringList{"Connected", "HeadersReceived 200", "ReceiveProgress 5/0 saved",
                           "DownloadComplete 200"};
        QTest::newRow("download to a folder fails before connecting")
            << "download to folder" << QByteArray() << 0 << QStringList{"Error 1"};
        QTest::newRow("refused connection")
            << "refused" << QByteArray() << 0
            << QStringList{
                   QStringLiteral("Error %1")
                       .arg(HTTPSocket::socketErrorCode(QAbstractSocket::ConnectionRefusedError))};
    }
    void raisesEventsInOrder()
    {
        QFETCH(QString, request);
        QFETCH(QByteArray, response);
        QFETCH(int, pieceLength);
        QFETCH(QStringList, expected);
        ScriptedServer server;
        server.addReply(pieceLength > 0 ? ScriptedServer::inPieces(response, pieceLength, 5)
                                        : ScriptedServer::reply(response));
        QTemporaryDir folder;
        const QString file = folder.filePath("page.txt");
        QString url = server.url();
        if (request == "refused") {
            url = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
            server.close();
        }

        HTTPSocket socket;
        QStringList log;
        logEvents(socket, log);
        QSignalSpy reads(&socket, &QIODevice::readyRead);
        if (request == "HEAD")
            socket.GetHeaders(url);
        else if (request == "download")
            socket.Get(url, file);
        else if (request == "download to folder")
            socket.Get(url, folder.path());
        else
            socket.Get(url);
        // HEAD ends without an event of its own: wait for the server's close.
        QTRY_VERIFY(log.size() >= expected.size() &&
                    (request != "HEAD" || socket.state() == QAbstractSocket::UnconnectedState));
        QTest::qWait(20);
        QCOMPARE(log, expected);
        if (pieceLength > 0)
            QVERIFY(reads.size() > 10);
        if (request == "download") {
            QFile saved(file);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), QByteArray("saved"));
        }
        if (request.startsWith("download to"))
            QCOMPARE(server.connectionCount, 0);
    }

    void synchronousRequestsRaiseNoEvents()
    {
        ScriptedServer server;
        server.addReply(ScriptedServer::reply("HTTP/1.0 401 Unauthorized\r\n\r\ndenied"));
        server.addReply(ScriptedServer::reply("HTTP/1.0 200 OK\r\nA: b\r\n\r\nbody"));
        HTTPSocket socket;
        QStringList log;
        logEvents(socket, log);
        int asked = 0;
        socket.AuthenticationRequired = [&](const auto &, QByteArray &, QByteArray &) {
            return ++asked == 0;
        };
        QCOMPARE(socket.Get(server.url(), 5), QByteArray("denied"));
        QCOMPARE(socket.HTTPStatusCode(), 401);
        const auto headers = socket.GetHeaders(server.url(), 5);
        QVERIFY(headers);
        QCOMPARE(headers->Value("a"), QByteArray("b"));
        QCOMPARE(asked, 1);
        QCOMPARE(log, QStringList());
    }

    void synchronousGetWorksOnAnotherThread()
    {
        ScriptedServer server;
        server.addReply(ScriptedServer::inPieces("HTTP/1.0 200 OK\r\n\r\nfrom afar", 4, 5));
        QByteArray body;
        std::unique_ptr<QThread> thread(QThread::create([&body, url = server.url()] {
            HTTPSocket socket;
            body = socket.Get(url, 5);
        }));
        thread->start();
        QTRY_VERIFY(thread->isFinished());
        QCOMPARE(body, QByteArray("from afar"));
    }

    void timeLimitCountsInactivityOnly_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("body in memory") << "memory";
        QTest::newRow("body in a file") << "file";
    }
    void timeLimitCountsInactivityOnly()
    {
        QFETCH(QString, target);
        // Two and a half seconds in all, but never a second without a byte.
        ScriptedServer server;
        server.addReply(ScriptedServer::inPieces("HTTP/1.0 200 OK\r\n\r\n12345", 5, 500));
        QTemporaryDir folder;
        HTTPSocket socket;
        if (target == "memory") {
            QCOMPARE(socket.Get(server.url(), 1), QByteArray("12345"));
        } else {
            QVERIFY(socket.Get(server.url(), folder.filePath("f"), 1));
            QFile saved(folder.filePath("f"));
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), QByteArray("12345"));
        }
        QCOMPARE(socket.ErrorCode(), 0);
    }

    void failuresEndASynchronousWait_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("timeLimit");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("minimumMs");
        const int closed = HTTPSocket::socketErrorCode(QAbstractSocket::RemoteHostClosedError);
        QTest::newRow("silent server, time limit passes") << "silent" << 1 << -1 << 1000;
        QTest::newRow("closed without a word") << "nothing" << 0 << closed << 0;
        QTest::newRow("closed inside the header block") << "half" << 0 << closed << 0;
        QTest::newRow("endless header block") << "endless" << 0 << -2 << 0;
        QTest::newRow("body past its allowed length") << "long body" << 0 << -2 << 0;
        QTest::newRow("refused connection")
            << "refused" << 0
            << HTTPSocket::socketErrorCode(QAbstractSocket::ConnectionRefusedError) << 0;
        QTest::newRow("unknown host")
            << "unknown" << 0 << HTTPSocket::socketErrorCode(QAbstractSocket::HostNotFoundError)
            << 0;
        QTest::newRow("line break in the URL") << "bad url" << 0 << 1 << 0;
        QTest::newRow("download into a missing folder") << "no folder" << 0 << 1 << 0;
        QTest::newRow("download onto a full device") << "full" << 0 << 1 << 0;
    }
    void failuresEndASynchronousWait()
    {
        QFETCH(QString, failure);
        QFETCH(int, timeLimit);
        QFETCH(int, error);
        QFETCH(int, minimumMs);
        ScriptedServer server;
        QString url = server.url();
        QString file;
        HTTPSocket socket;
        if (failure == "silent") {
            server.addReply(ScriptedServer::silence());
        } else if (failure == "nothing") {
            server.addReply(ScriptedServer::reply({}));
        } else if (failure == "half") {
            server.addReply(ScriptedServer::reply("HTTP/1.0 200 OK\r\nA: 1\r\n"));
        } else if (failure == "endless") {
            server.addReply({{{"HTTP/1.0 200 OK\r\n" + QByteArray(70000, 'h'), 0}}, false});
        } else if (failure == "long body") {
            server.addReply({{{"HTTP/1.0 200 OK\r\n\r\n" + QByteArray(5000, 'b'), 0}}, false});
            socket.MaximumBodyLength = 1000;
        } else if (failure == "refused") {
            server.close();
        } else if (failure == "unknown") {
            url = "http://nonexistent.invalid/";
        } else if (failure == "bad url") {
            url = server.url("/a\r\nInjected: 1");
        } else if (failure == "no folder") {
            file = "/nonexistent/folder/file.txt";
        } else if (failure == "full") {
            file = "/dev/full";
            server.addReply(ScriptedServer::reply("HTTP/1.0 200 OK\r\n\r\nno room"));
        }
        if (failure == "full" && !QFileInfo("/dev/full").isWritable())
            QSKIP("no /dev/full here");

        QElapsedTimer clock;
        clock.start();
        const QByteArray body = file.isEmpty() ? socket.Get(url, timeLimit) : QByteArray();
        if (!file.isEmpty())
            QVERIFY(!socket.Get(url, file, timeLimit));
        QCOMPARE(socket.ErrorCode(), error);
        QVERIFY2(clock.elapsed() >= minimumMs && clock.elapsed() < minimumMs + 2000,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY(body.size() <= 1000);
        if (failure == "bad url" || failure == "no folder")
            QCOMPARE(server.connectionCount, 0);
    }

    void stopsAtOnceWhenItsThreadIsAskedTo()
    {
        ScriptedServer server;
        server.addReply(ScriptedServer::silence());
        qint32 error = 0;
        std::unique_ptr<QThread> thread(QThread::create([&error, url = server.url()] {
            HTTPSocket socket;
            socket.Get(url, 0);
            error = socket.ErrorCode();
        }));
        thread->start();
        QTRY_COMPARE(server.connectionCount, 1);
        QTest::qWait(100);
        QVERIFY(thread->isRunning());
        QElapsedTimer clock;
        clock.start();
        thread->requestInterruption();
        QVERIFY(thread->wait(1000));
        QVERIFY(clock.elapsed() < 200);
        QCOMPARE(error, HTTPSocket::ErrorGaveUp);
    }
};

QTEST_GUILESS_MAIN(TestHTTPSocket)
#include "tst_httpsocket.moc"

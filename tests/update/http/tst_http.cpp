#include "ScriptedServer.h"
#include "update/http/HTTPSocket.h"
#include "update/http/HttpMessage.h"
#include "update/http/InternetHeaders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <numeric>

#include <dlfcn.h>
#include <netdb.h>

using Reply = ScriptedServer::Reply;
using A = QAbstractSocket;
static const QByteArray ok = "HTTP/1.0 200 OK\r\n\r\n";

// The request line, the default headers and Host, `more`, the blank line.
static QByteArray request(const QByteArray &line, const QByteArray &host,
                          const QByteArray &more = {})
{
    return line + " HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: " + host + "\r\n" +
           more + "\r\n";
}

// Stands in front of the C library's resolver: "two.test" has two addresses,
// and no server listens on the first.
extern "C" int getaddrinfo(const char *node, const char *service, const addrinfo *hints,
                           addrinfo **found)
{
    static const auto next =
        reinterpret_cast<decltype(&getaddrinfo)>(dlsym(RTLD_NEXT, "getaddrinfo"));
    if (!node || std::strcmp(node, "two.test") != 0)
        return next(node, service, hints, found);
    if (const int failed = next("127.0.0.2", service, hints, found))
        return failed;
    addrinfo **end = found;
    while (*end)
        end = &(*end)->ai_next;
    return next("127.0.0.1", service, hints, end);
}

// Whether this process holds the file open.
static bool heldOpen(const QString &path)
{
    const QDir handles("/proc/self/fd");
    const QFileInfoList all = handles.entryInfoList(QDir::AllEntries | QDir::System);
    return std::any_of(all.begin(), all.end(),
                       [&path](const QFileInfo &handle) { return handle.symLinkTarget() == path; });
}

// The HTTP client: the header collection, the requests it sends and the
// responses it reads.
class TestHttp : public QObject {
    Q_OBJECT

private slots:
    // The client does its work without a complaint from Qt.
    void init() { QTest::failOnWarning(QRegularExpression(".")); }

    void parses_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const char *rows[][3] = {
            {"status line skipped, repeated name kept in order",
             "HTTP/1.0 200 OK\r\nSet-Cookie: a=1\r\nHost: h:80\r\nset-cookie: b=2",
             "Set-Cookie=a=1|Host=h:80|set-cookie=b=2"},
            {"folds join with one space", "X: a\r\n\t  b\r\n c", "X=a   b c"},
            {"every kind of space before a value", "X:\v\f\t a", "X=a"},
            {"nothing but spaces after the colon", "X: \r\nY: 1", "X=|Y=1"},
            {"LF line ends", "S\nA: 1\n B\nC: 2", "A=1 B|C=2"},
            {"CR line ends", "S\rA: 1\rC: 2", "A=1|C=2"},
            {"CR LF wins over a stray LF", "A: x\ny\r\nB: 2", "A=x\ny|B=2"},
            {"empty text", "", ""},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QByteArray(row[1]) << QString(row[2]);
    }
    void parses()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        InternetHeaders headers;
        headers.AppendHeader("Old", "entry");
        headers._ParseHeaders(text);
        QStringList entries;
        for (qint32 index = 0; index < headers.Count(); ++index)
            entries << headers.Name(index) + '=' + headers.Value(index);
        QCOMPARE(entries.join('|'), expected);
        QVERIFY(headers.Name(-1).isEmpty() && headers.Name(headers.Count()).isEmpty() &&
                headers.Value(headers.Count()).isEmpty());
        headers.SetHeader("X", "edited"); // leaves the text as received
        QCOMPARE(headers.Source(), text.isEmpty() ? "X: edited" : text);
    }

    // The instances of "Received", after the edits, among Received=r0,
    // Other=o, received=r1, RECEIVED=r2; and the number of entries.
    void editsRenumber_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("expected");
        const char *rows[][3] = {
            {"delete 0 moves the others down", "delete 0", "r1 r2 (3)"},
            {"delete a middle one", "delete 1", "r0 r2 (3)"},
            {"delete a missing one", "delete 7", "r0 r1 r2 (4)"},
            {"set leaves exactly one", "set", "new (2)"},
            {"set one in place", "set 1", "r0 new r2 (4)"},
            {"append after a delete", "delete 1,append", "r0 r2 new (4)"},
            {"past a gap is not counted", "set 5", "r0 r1 r2 (5)"},
            {"append after a gap", "set 5,append", "r0 r1 r2 new (6)"},
            {"append after deleting all", "delete all,append", "new (2)"},
            {"line breaks refused", "inject", "r0 r1 r2 (4)"},
            {"the tenth deleted", "append,append,append,append,append,append,append,delete 9",
             "r0 r1 r2 new new new new new new (10)"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }
    void editsRenumber()
    {
        QFETCH(QString, edits);
        QFETCH(QString, expected);
        InternetHeaders headers;
        headers._ParseHeaders("Received: r0\r\nOther: o\r\nreceived: r1\r\nRECEIVED: r2");
        for (const QString &edit : edits.split(',')) {
            const qint32 instance = edit.section(' ', 1).toInt();
            if (edit == "delete all")
                headers.Delete("received");
            else if (edit.startsWith("delete"))
                headers.Delete("Received", instance);
            else if (edit == "set")
                headers.SetHeader("RECEIVED", "new");
            else if (edit.startsWith("set"))
                headers.SetHeader("received", "new", instance);
            else if (edit == "append")
                headers.AppendHeader("Received", "new");
            else // a line break would let a value forge further headers
                QVERIFY(!headers.SetHeader("Other", "a\r\nB: 1") &&
                        !headers.AppendHeader("X", "a\n") &&
                        !headers.SetHeader("Received\r", "a", 1));
        }
        QStringList values;
        for (qint32 instance = 0; instance < headers.NameCount("reCeived"); ++instance)
            values << headers.Value("Received", instance);
        QCOMPARE(values.join(' ') + QStringLiteral(" (%1)").arg(headers.Count()), expected);
        QCOMPARE(headers.Value("other"), QByteArray("o"));
    }

    void formatsMailInTransferOrderWithoutBcc()
    {
        InternetHeaders headers;
        headers._ParseHeaders(
            "X-Mailer: m\r\nTo: a\r\nSubject: s\r\nReceived: r1\r\nTo: b\r\nBCC: h\r\nFrom: f\r\n"
            "Received: r2\r\ncc: c\r\nDate: d\r\nReturn-Path: p");
        QCOMPARE(headers._FormatEmailHeaders(),
                 "Return-Path: p\r\nReceived: r1\r\nReceived: r2\r\nDate: d\r\nSubject: s\r\n"
                 "From: f\r\nTo: a, b\r\nCC: c\r\nX-Mailer: m");
        headers._ParseHeaders("From: f");
        QCOMPARE(headers._FormatEmailHeaders(), "From: f");
    }

    void base64WrapsAtTheWidthAsked()
    {
        QCOMPARE(EncodeBase64("abcdefgh", 4), "YWJj\r\nZGVm\r\nZ2g=");
        QCOMPARE(EncodeBase64("abcdefgh", 0), "YWJjZGVmZ2g=");
    }

    // Every request the server saw, in order. A word before the URL says how
    // to ask. Each time a header injection is refused first, and a form is
    // set that only a POST may send.
    void sendsTheExactRequest_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray here = "127.0.0.1:%1", key = ("u:" + QByteArray(60, 'p')).toBase64();
        QTest::newRow("GET to a name, each of its addresses tried")
            << "http://two.test:%1/a?b" << request("GET /a?b", "two.test:%1");
        QTest::newRow("no scheme, no path") << "127.0.0.1:%1" << request("GET /", here);
        QTest::newRow("empty scheme") << "://127.0.0.1:%1/x" << request("GET /x", here);
        QTest::newRow("proxy gets the whole URL")
            << "proxy http://origin.test/x?y"
            << request("GET http://origin.test/x?y", "origin.test");
        QTest::newRow("credentials after a 401 go once, on one line")
            << "401 http://127.0.0.1:%1/"
            << request("GET /", here) +
                   request("GET /", here, "Authorization: Basic " + key + "\r\n") +
                   request("GET /", here);
        QTest::newRow("POST with form data, then a GET and a POST without it")
            << "POST http://127.0.0.1:%1/f"
            << request(
                   "POST /f", here,
                   "Content-type: application/x-www-form-urlencoded\r\nContent-length: 96\r\n") +
                   "a+b=1%2B1&=&x=%25%26%3D%2C%2F%5C%5D%5B%7B%7D%60%7E%2D%5F%28%29%2A%5E%24%23%21%"
                   "2B%0D%0A.?:;@'\"<>|" +
                   request("GET /f", here) +
                   request("POST /f", here, "Content-type: \r\nContent-length: 0\r\n");
    }
    void sendsTheExactRequest()
    {
        QFETCH(QString, url);
        QFETCH(QByteArray, expected);
        ScriptedServer server;
        const QByteArray port = QByteArray::number(server.serverPort());
        const QString setup = url.contains(' ') ? url.section(' ', 0, 0) : "";
        url = url.section(' ', -1).replace("%1", port);
        if (setup == "401")
            server.replies << Reply{"HTTP/1.0 401 No\r\nWWW-Authenticate: Basic\r\n\r\nx"};
        server.replies << Reply{ok + "welcome"} << Reply{ok + "welcome"} << Reply{ok};
        HTTPSocket socket;
        QVERIFY(!socket.SetRequestHeader("X-Evil", "a\r\nInjected: 1") &&
                !socket.SetRequestHeader("X-Evil\n", "a") && !socket.SetRequestHeader("X\r", "") &&
                !socket.SetPostContent("x", "text/plain\r\nInjected: 1"));
        // An empty value takes a header away.
        QVERIFY(socket.SetRequestHeader("X-Gone", "1") && socket.SetRequestHeader("X-Gone", ""));
        socket.SetFormData(HTTPSocket::FormData{
            {"a b", "1+1"}, {"", ""}, {"x", "%&=,/\\][{}`~-_()*^$#!+\r\n.?:;@'\"<>|"}});
        socket.HTTPProxyAddress = setup == "proxy" ? "127.0.0.1" : "";
        socket.DefaultPort = server.serverPort();
        socket.AuthenticationRequired = [](auto headers, QByteArray &name, QByteArray &password) {
            name = "u";
            password = QByteArray(60, 'p');
            return headers->Value("www-authenticate") == "Basic";
        };
        QCOMPARE(setup == "POST" ? socket.Post(url, 5) : socket.Get(url, 5), QByteArray("welcome"));
        if (setup == "401" || setup == "POST")
            socket.Get(url, 5);
        if (setup == "POST")
            socket.Post(url, 5);
        QCOMPARE(server.requests.join(), expected.replace("%1", port));
        // The next request starts afresh: no status is left from this one.
        socket.HTTPProxyAddress.clear();
        socket.Get("http://127.0.0.1:1/", 5);
        QVERIFY(socket.HTTPStatusCode() == 0 && !socket.PageHeaders());
        // A proxy port past 65535 names no port; the file the answer was
        // to go into is not held open.
        socket.HTTPProxyAddress = "127.0.0.1";
        socket.HTTPProxyPort = 70000;
        const QTemporaryDir folder;
        socket.Get(url, folder.filePath("f"), 5);
        QVERIFY(socket.ErrorCode() == HTTPSocket::ErrorCannotStart &&
                !heldOpen(folder.filePath("f")));
    }

    // Synchronous GETs: what comes back, and how soon.
    void synchronousGet_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("error");
        QTest::addColumn<QByteArray>("outcome");
        QByteArray large(3'000'000, Qt::Uninitialized);
        std::iota(large.begin(), large.end(), '\0');
        const QString url = "http://127.0.0.1:%1/";
        const struct {
            const char *tag;
            QByteArray reply;
            int error;
            QByteArray outcome; // status [headers] body, the body only without an error
            QString url = "http://127.0.0.1:%1/", file = {};
        } rows[] = {
            {"CR LF", "HTTP/1.0 200 OK\r\nA: 1\r\nB:  2 \r\n\r\nx\r\ny", 0,
             "200 [A=1|B=2 ] x\r\ny"},
            {"LF, CR LF in the body", "HTTP/1.0 200 OK\nA: 1\n\nx\r\n\r\ny", 0,
             "200 [A=1] x\r\n\r\ny"},
            {"CR", "HTTP/1.0 200 OK\rA: 1\rB: 2\r\rx\ry", 0, "200 [A=1|B=2] x\ry"},
            {"no header block at all", "\r\n\r\nx", 0, "0 [] x"},
            {"blank line before the status", "\r\nHTTP/1.0 200 OK\r\n\r\nx", 0, "0 [] x"},
            {"HEAD", "HTTP/1.0 200 OK\r\nContent-length: 4\r\n\r\nbody", 0,
             "200 [Content-length=4] ", "HEAD " + url},
            {"download", ok + "saved", 0, "200 [] saved", url, "tmp"},
            {"POST, answer saved", ok + "posted", 0, "200 [] posted", "POST " + url, "tmp"},
            {"404 with a body", "HTTP/1.0 404 No\r\n\r\nmissing", 0, "404 [] missing"},
            {"401 without a handler", "HTTP/1.0 401 No\r\n\r\ndenied", 0, "401 [] denied"},
            {"past Content-length", "HTTP/1.0 200 OK\r\nContent-length: 2\r\n\r\nlong", 0,
             "200 [Content-length=2] long"},
            {"huge status", "HTTP/1.0 99999999999999999999 X\r\n\r\n", 0, "2147483647 [] "},
            {"3 MB", "HTTP/1.0 200 OK\r\nContent-length: 3000000\r\n\r\n" + large, 0,
             "200 [Content-length=3000000] " + large},
            {"silent server, 1 s time limit", {}, -1, "0 []"},
            {"no connection within 1 s", "(full queue)", -1, "0 []"},
            {"500 ms gaps, never 1 s idle", ok + "slow", 0, "200 [] slow"},
            {"closed in the header block", "HTTP/1.0 200 OK\r\nA: 1\r\n",
             100 + A::RemoteHostClosedError, "0 []"},
            {"endless header block", "HTTP/1.0 200 OK\r\n" + QByteArray(70000, 'h'), -2, "0 []"},
            {"body past its allowed length", ok + QByteArray(3'000'001, 'b'), -2, "200 []"},
            {"refused", {}, 100 + A::ConnectionRefusedError, "0 []", "http://127.0.0.1:1/"},
            {"unknown host", {}, 100 + A::HostNotFoundError, "0 []", "http://nonexistent.invalid/"},
            {"line break in the URL", {}, 1, "0 []", url + "a\r\nInjected: 1"},
            {"line feed alone in the URL", {}, 1, "0 []", url + "a\nInjected: 1"},
            {"port past 65535", {}, 1, "0 []", "http://127.0.0.1:70000/"},
            {"last port", {}, 100 + A::HostNotFoundError, "0 []", "http://no.invalid:65535/"},
            {"download into a missing folder", {}, 1, "0 []", url, "/nonexistent/f"},
            {"download onto a folder", {}, 1, "0 []", url, "/"},
            {"download onto a full device", ok + "no room", 1, "200 []", url, "/dev/full"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.tag) << row.reply << row.url << row.file << row.error << row.outcome;
    }
    void synchronousGet()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, url);
        QFETCH(QString, file);
        QFETCH(int, error);
        QFETCH(QByteArray, outcome);
        ScriptedServer server;
        const bool slow = reply.endsWith("slow");
        QTcpSocket queued;
        if (reply == "(full queue)") {
            // With its one place taken, the server's queue drops every further
            // request to connect, as a firewall that drops packets does.
            server.close();
            server.setListenBacklogSize(0);
            QVERIFY(server.listen(QHostAddress::LocalHost));
            server.pauseAccepting();
            queued.connectToHost(QHostAddress::LocalHost, server.serverPort());
            QVERIFY(queued.waitForConnected(1000));
        } else if (!reply.isNull()) {
            // Past a length limit the server goes on: only the limit can end it.
            server.replies << Reply{reply, slow ? 5 : 0, 500, error != -2};
        }
        url.replace("%1", QString::number(server.serverPort()));
        HTTPSocket socket;
        socket.MaximumBodyLength = 3'000'000;
        QElapsedTimer clock;
        clock.start();
        const std::clock_t processorTime = std::clock();
        QTemporaryDir folder;
        QFile saved(file == "tmp" ? folder.filePath("f") : file);
        QByteArray body;
        if (url.startsWith("HEAD "))
            socket.GetHeaders(url.mid(5), 1);
        else if (file.isEmpty())
            body = socket.Get(url, 1);
        else if ((url.startsWith("POST ") ? socket.Post(url.mid(5), saved.fileName(), 1)
                                          : socket.Get(url, saved.fileName(), 1)) &&
                 saved.open(QIODevice::ReadOnly))
            body = saved.readAll();
        // At once, unless the time limit or a slow server sets the pace.
        QVERIFY2(clock.elapsed() < (error == -1 || slow ? 3500 : 1500) &&
                     (error != -1 || clock.elapsed() >= 1000),
                 qPrintable(QString::number(clock.elapsed())));
        // Waiting for a silent server keeps the processor idle.
        QVERIFY(error != -1 || std::clock() - processorTime < CLOCKS_PER_SEC / 4);
        QCOMPARE(socket.ErrorCode(), error);
        QByteArrayList headers;
        for (int index = 0; socket.PageHeaders() && index < socket.PageHeaders()->Count(); ++index)
            headers << socket.PageHeaders()->Name(index) + '=' + socket.PageHeaders()->Value(index);
        const QByteArray status = QByteArray::number(socket.HTTPStatusCode());
        QCOMPARE(status + " [" + headers.join('|') + ']' + (error ? QByteArray() : ' ' + body),
                 outcome);
        // A request that cannot start connects nowhere.
        if (error == 1 && reply.isNull())
            QCOMPARE(socket.state(), A::UnconnectedState);
    }

    // The calls that return at once, answered one byte per read (a second
    // answer without its length): the method each asks with, then every event
    // in order, the body only after the headers. Poll alone gives the socket
    // its turn, as for a caller without an event loop.
    void asynchronousCalls_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("expected");
        const QString progress = "Headers %1; Progress 0/%4 ; Progress 1/%4 %2; Progress 2/%4 %3; ";
        const QString ok = progress.arg(200).arg("a", "b").arg(2),
                      no = progress.arg(401).arg("n", "o").arg(2),
                      again = progress.arg(200).arg("a", "b").arg(0);
        const QString rows[][3] = {
            {"GET", "GET", "GET: Connected; " + ok + "Page 200 ab"},
            {"GET, refused with no one to ask for a password", "GET 401",
             "GET: Connected; " + no + "Page 401 no"},
            {"GET into a file", "GET file", "GET: Connected; " + ok + "Download 200 ab"},
            {"POST", "POST", "POST: Connected; " + ok + "Page 200 ab"},
            {"POST, answer into a file", "POST file", "POST: Connected; " + ok + "Download 200 ab"},
            {"HEAD", "HEAD", "HEAD: Connected; Headers 200"},
            {"a second GET on one socket counts from the start", "GET, GET",
             "GET: Connected; " + ok + "Page 200 ab; Connected; " + again + "Page 200 ab"},
            {"a GET after a download is a page again", "GET file, GET",
             "GET: Connected; " + ok + "Download 200 ab; Connected; " + again + "Page 200 ab"},
        };
        for (const auto &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
    }
    void asynchronousCalls()
    {
        QFETCH(QString, call);
        QFETCH(QString, expected);
        ScriptedServer server;
        const Reply reply{call.endsWith("401") ? "HTTP/1.0 401 No\r\nContent-length: 2\r\n\r\nno"
                                               : "HTTP/1.0 200 OK\r\nContent-length: 2\r\n\r\nab",
                          1};
        server.replies << reply << Reply{"HTTP/1.0 200 OK\r\n\r\nab", 1};
        HTTPSocket socket;
        const QTemporaryDir folder;
        const QString url = server.url();
        socket.Get("http://127.0.0.1:1/", 1); // a call that waits does not make these wait
        QStringList log;
        connect(&socket, &HTTPSocket::Connected, [&] { log << "Connected"; });
        connect(&socket, &HTTPSocket::HeadersReceived,
                [&](auto, int status) { log << QString("Headers %1").arg(status); });
        connect(&socket, &HTTPSocket::ReceiveProgress, [&](qint64 got, qint64 of, QByteArray data) {
            log << QString("Progress %1/%2 %3").arg(got).arg(of).arg(data);
        });
        connect(&socket, &HTTPSocket::PageReceived, [&](auto, int status, auto, QByteArray body) {
            log << QString("Page %1 %2").arg(status).arg(body);
        });
        // A finished download is complete on disk and no longer held open.
        connect(&socket, &HTTPSocket::DownloadComplete, [&](auto, int status, auto, QString path) {
            const bool held = heldOpen(path);
            QFile saved(path);
            log << QString("Download %1 %2%3")
                       .arg(status)
                       .arg(saved.open(QIODevice::ReadOnly) ? saved.readAll() : "?")
                       .arg(held ? " (held open)" : "");
        });
        const QRegularExpression end(call == "HEAD" ? "^Headers" : "^(Page|Download)");
        int started = 0;
        for (const QString &one : call.split(", ")) {
            ++started;
            const QString file = one.endsWith("file") ? folder.filePath("f") : QString();
            if (one == "HEAD")
                socket.GetHeaders(url);
            else if (one.startsWith("GET"))
                file.isEmpty() ? socket.Get(url) : socket.Get(url, file);
            else
                file.isEmpty() ? socket.Post(url) : socket.Post(url, file);
            for (QDeadlineTimer deadline(5000);
                 log.filter(end).size() < started && !deadline.hasExpired();)
                socket.Poll();
        }
        QTest::qWait(20); // nothing comes after the end
        QCOMPARE(QString(server.requests.value(0)).section(' ', 0, 0) + ": " + log.join("; "),
                 expected);
    }

    // Connected by hand, before any request, a socket asks with GET; with
    // its request headers cleared, it sends none of them.
    void aBareConnectAsksWithGet()
    {
        ScriptedServer server;
        HTTPSocket bare;
        bare.Address = "127.0.0.1";
        bare.Port = server.serverPort();
        bare.ClearRequestHeaders();
        bare.Connect();
        QTRY_COMPARE(server.requests.value(0), "GET  HTTP/1.0\r\nHost: \r\n\r\n");
    }
};

QTEST_GUILESS_MAIN(TestHttp)
#include "tst_http.moc"

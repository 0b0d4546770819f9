#include "update/http/HttpMessage.h"

#include <QTest>

#include <limits>

class TestHttpMessage : public QObject {
    Q_OBJECT

private slots:
    void parsesUrls_data()
    {
        QTest::addColumn<QByteArray>("url");
        QTest::addColumn<QString>("expected");
        QTest::newRow("host, port, path and query")
            << QByteArray("http://H:8080/a/b?c=1") << "H:8080 /a/b?c=1 H 8080";
        QTest::newRow("host alone") << QByteArray("http://H") << "H / H 80";
        QTest::newRow("no scheme") << QByteArray("H/x") << "H /x H 80";
        QTest::newRow("any scheme, port 0 means the default")
            << QByteArray("ftp://H:0/x") << "H:0 /x H 80";
        QTest::newRow("port without digits") << QByteArray("http://H:abc/") << "H:abc / H 80";
        QTest::newRow("port ends at a second colon")
            << QByteArray("http://H:81:82/") << "H:81:82 / H 81";
        QTest::newRow("port past 65535 is refused") << QByteArray("http://H:70000/") << "";
        QTest::newRow("huge port is refused")
            << QByteArray("http://H:99999999999999999999999/") << "";
        QTest::newRow("line feed is refused") << QByteArray("http://H/a\nb") << "";
        QTest::newRow("carriage return in the host is refused") << QByteArray("http://H\r/") << "";
    }
    void parsesUrls()
    {
        QFETCH(QByteArray, url);
        QFETCH(QString, expected);
        const auto target = HttpMessage::parseUrl(url, 80);
        const QString actual = target ? QStringLiteral("%1 %2 %3 %4")
                                            .arg(QString::fromLatin1(target->server),
                                                 QString::fromLatin1(target->path), target->address)
                                            .arg(target->port)
                                      : QString();
        QCOMPARE(actual, expected);
    }

    void encodesFormText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("space and ampersand") << QByteArray("a b&c") << QByteArray("a+b%26c");
        QTest::newRow("hyphen and underscore") << QByteArray("x-y_z") << QByteArray("x%2Dy%5Fz");
        QTest::newRow("all 24 special characters")
            << QByteArray("%&=,/\\][{}`~-_()*^$#!+\r\n")
            << QByteArray("%25%26%3D%2C%2F%5C%5D%5B%7B%7D%60%7E%2D%5F%28%29%2A%5E%24%23%21%2B"
                          "%0D%0A");
        QTest::newRow("per cent sign and plus are not escaped twice")
            << QByteArray("100% +") << QByteArray("100%25+%2B");
        QTest::newRow("others left alone")
            << QByteArray(".?:;@'\"<>|\xc3\xa9") << QByteArray(".?:;@'\"<>|\xc3\xa9");
    }
    void encodesFormText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(HttpMessage::encodeUrlString(text), expected);
    }

    void encodesForms()
    {
        QCOMPARE(HttpMessage::encodeFormData({{"a b", "1+1=2"}}), QByteArray("a+b=1%2B1%3D2"));
        QCOMPARE(HttpMessage::encodeFormData({{"k", "v"}, {"", ""}, {"z", "&"}}),
                 QByteArray("k=v&=&z=%26"));
        QCOMPARE(HttpMessage::encodeFormData({}), QByteArray());
    }

    void readsStatusCodes_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("status");
        QTest::newRow("HTTP/1.1 with reason") << QByteArray("HTTP/1.1 200 OK\r\nA: b") << 200;
        QTest::newRow("LF block") << QByteArray("HTTP/1.0 302 Found\nLocation: x") << 302;
        QTest::newRow("two spaces leave an empty field") << QByteArray("HTTP/1.0  200 OK") << 0;
        QTest::newRow("no second field") << QByteArray("garbage") << 0;
        QTest::newRow("too large saturates")
            << QByteArray("HTTP/1.0 99999999999999999999 X") << std::numeric_limits<int>::max();
    }
    void readsStatusCodes()
    {
        QFETCH(QByteArray, block);
        QFETCH(int, status);
        QCOMPARE(HttpMessage::statusCode(block), status);
    }

    void findsTheEndOfAHeaderBlock_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("eolLength");
        QTest::newRow("CR LF") << QByteArray("A\r\n\r\nB") << 1 << 2;
        QTest::newRow("LF") << QByteArray("A\n\nB") << 1 << 1;
        QTest::newRow("CR") << QByteArray("A\r\rB") << 1 << 1;
        QTest::newRow("earliest wins over a later CR LF pair")
            << QByteArray("A\n\nB\r\n\r\n") << 1 << 1;
        QTest::newRow("CR LF CR LF before a later LF LF") << QByteArray("A\r\n\r\nB\n\n") << 1 << 2;
        QTest::newRow("blank line at once") << QByteArray("\r\n\r\n") << 0 << 2;
        QTest::newRow("not yet complete") << QByteArray("A\r\n\r") << -1 << 0;
        QTest::newRow("nothing") << QByteArray() << -1 << 0;
    }
    void findsTheEndOfAHeaderBlock()
    {
        QFETCH(QByteArray, received);
        QFETCH(int, position);
        QFETCH(int, eolLength);
        const auto end = HttpMessage::findHeaderBlockEnd(received);
        QCOMPARE(end ? int(end->position) : -1, position);
        QCOMPARE(end ? int(end->eolLength) : 0, eolLength);
    }

    void encodesBase64()
    {
        QCOMPARE(EncodeBase64("user:pa:ss"), QByteArray("dXNlcjpwYTpzcw=="));
        const QByteArray wrapped = EncodeBase64(QByteArray(100, 'x'), 76);
        QCOMPARE(wrapped.indexOf("\r\n"), 76);
        QCOMPARE(QByteArray::fromBase64(wrapped), QByteArray(100, 'x'));
        QVERIFY(!EncodeBase64(QByteArray(100, 'x'), 0).contains('\n'));
    }
};

QTEST_GUILESS_MAIN(TestHttpMessage)
#include "tst_httpmessage.moc"

#include "update/http/InternetHeaders.h"

#include <QTest>

class TestInternetHeaders : public QObject {
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const char *rows[][3] = {
            {"status line skipped, repeated name kept in order",
             "HTTP/1.0 200 OK\r\nSet-Cookie: a=1\r\nHost: h:80\r\nset-cookie: b=2",
             "Set-Cookie=a=1|Host=h:80|set-cookie=b=2"},
            {"folds join with one space", "X: a\r\n\t  b\r\n c", "X=a   b c"},
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
            "X-Mailer: m\r\nTo: a\r\nReceived: r1\r\nTo: b\r\nBCC: h\r\nFrom: f\r\n"
            "Received: r2\r\ncc: c\r\nReturn-Path: p");
        QCOMPARE(headers._FormatEmailHeaders(), "Return-Path: p\r\nReceived: r1\r\nReceived: r2\r\n"
                                                "From: f\r\nTo: a, b\r\nCC: c\r\nX-Mailer: m");
    }
};

QTEST_GUILESS_MAIN(TestInternetHeaders)
#include "tst_internetheaders.moc"

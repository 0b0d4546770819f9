#include "update/http/InternetHeaders.h"

#include <QTest>

namespace {

// The entries in enumeration order as "Name=Value|...".
QString entries(const InternetHeaders &headers)
{
    QStringList list;
    for (qint32 index = 0; index < headers.Count(); ++index)
        list << QString::fromLatin1(headers.Name(index) + '=' + headers.Value(index));
    return list.join(QLatin1Char('|'));
}

// The values of a name by instance number, as far as NameCount sees.
QStringList instances(const InternetHeaders &headers, const QByteArray &name)
{
    QStringList list;
    for (qint32 instance = 0; instance < headers.NameCount(name); ++instance)
        list << QString::fromLatin1(headers.Value(name, instance));
    return list;
}

} // namespace

class TestInternetHeaders : public QObject {
    Q_OBJECT

private slots:
    void parsesHeaderBlocks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("status line skipped, repeated name kept in order")
            << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 12\r\nSet-Cookie: a=1\r\n"
                          "Set-Cookie: b=2")
            << "Content-Length=12|Set-Cookie=a=1|Set-Cookie=b=2";
        QTest::newRow("folded line joins with one space")
            << QByteArray("X-Long: one\r\n two") << "X-Long=one two";
        QTest::newRow("tab fold keeps further spaces") << QByteArray("X: a\r\n\t  b") << "X=a   b";
        QTest::newRow("space before the colon stays in the name")
            << QByteArray("Name : value") << "Name =value";
        QTest::newRow("leading white space dropped, trailing kept")
            << QByteArray("A:   v  ") << "A=v  ";
        QTest::newRow("only the first colon splits") << QByteArray("Host: a:80") << "Host=a:80";
        QTest::newRow("LF line ends") << QByteArray("S\nA: 1\n B\nC: 2") << "A=1 B|C=2";
        QTest::newRow("CR line ends") << QByteArray("S\rA: 1\rC: 2") << "A=1|C=2";
        QTest::newRow("CR LF wins over a stray LF")
            << QByteArray("A: x\ny\r\nB: 2") << "A=x\ny|B=2";
        QTest::newRow("lines without a colon skipped")
            << QByteArray("HTTP/1.0 200 OK\r\n\r\nNoColon\r\nA: 1") << "A=1";
        QTest::newRow("empty text") << QByteArray() << "";
    }
    void parsesHeaderBlocks()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        InternetHeaders headers;
        headers.AppendHeader("Old", "entry");
        headers._ParseHeaders(text);
        QCOMPARE(entries(headers), expected);
        if (!text.isEmpty())
            QCOMPARE(headers.Source(), text);
    }

    void answersQuestionsIgnoringCase()
    {
        InternetHeaders headers;
        headers._ParseHeaders("HTTP/1.0 200 OK\r\nContent-Length: 12\r\nSet-Cookie: a=1\r\n"
                              "Set-Cookie: b=2");
        QCOMPARE(headers.Count(), 3);
        QCOMPARE(headers.NameCount("set-cookie"), 2);
        QCOMPARE(headers.Value("SET-COOKIE", 1), QByteArray("b=2"));
        QCOMPARE(headers.CommaSeparatedValues("Set-Cookie"), QByteArray("a=1, b=2"));
        QCOMPARE(headers.Value("content-length"), QByteArray("12"));
        QCOMPARE(headers.Value(5), QByteArray());
        QCOMPARE(headers.NameCount("Absent"), 0);
        QCOMPARE(headers.CommaSeparatedValues("Absent"), QByteArray());

        // One key whatever the case; the first spelling stays.
        QVERIFY(headers.SetHeader("content-LENGTH", "13"));
        QCOMPARE(entries(headers), "Content-Length=13|Set-Cookie=a=1|Set-Cookie=b=2");
        QCOMPARE(headers.Source().left(15), QByteArray("HTTP/1.0 200 OK"));
    }

    void editsRenumberInstances_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("count");
        QTest::newRow("delete instance 0 moves the others down")
            << "delete 0" << QStringList{"r1", "r2"} << 3;
        QTest::newRow("delete a middle instance") << "delete 1" << QStringList{"r0", "r2"} << 3;
        QTest::newRow("delete a missing instance")
            << "delete 7" << QStringList{"r0", "r1", "r2"} << 4;
        QTest::newRow("delete every instance") << "delete all" << QStringList{} << 1;
        QTest::newRow("set leaves exactly one instance") << "set" << QStringList{"new"} << 2;
        QTest::newRow("set one instance in place")
            << "set 1" << QStringList{"r0", "new", "r2"} << 4;
        QTest::newRow("append after a delete takes the freed number")
            << "delete 1, append" << QStringList{"r0", "r2", "new"} << 4;
        QTest::newRow("instance past a gap is invisible to NameCount")
            << "set 5" << QStringList{"r0", "r1", "r2"} << 5;
    }
    void editsRenumberInstances()
    {
        QFETCH(QString, edit);
        QFETCH(QStringList, expected);
        QFETCH(int, count);
        InternetHeaders headers;
        headers.AppendHeader("Received", "r0");
        headers.AppendHeader("Other", "o");
        headers.AppendHeader("received", "r1");
        headers.AppendHeader("RECEIVED", "r2");
        if (edit == "delete all")
            headers.Delete("received");
        else if (edit.startsWith("delete"))
            headers.Delete("Received", edit.section(' ', 1, 1).remove(',').toInt());
        if (edit == "set")
            headers.SetHeader("Received", "new");
        if (edit.startsWith("set "))
            headers.SetHeader("Received", "new", edit.section(' ', 1).toInt());
        if (edit.endsWith("append"))
            headers.AppendHeader("Received", "new");
        QCOMPARE(instances(headers, "Received"), expected);
        QCOMPARE(headers.Count(), count);
        QCOMPARE(headers.Value("Other"), QByteArray("o"));
        if (edit == "set 5")
            QCOMPARE(headers.Value("Received", 5), QByteArray("new"));
    }

    void longRunsOfOneNameStayNumbered()
    {
        InternetHeaders headers;
        for (int instance = 0; instance < 4000; ++instance)
            headers.AppendHeader("X-Same", QByteArray::number(instance));
        QCOMPARE(headers.NameCount("x-same"), 4000);
        headers.Delete("X-Same", 100);
        headers.Delete("X-Same", 0);
        QCOMPARE(headers.NameCount("X-Same"), 3998);
        QCOMPARE(headers.Value("X-Same", 0), QByteArray("1"));
        QCOMPARE(headers.Value("X-Same", 99), QByteArray("101"));
        headers.AppendHeader("X-Same", "appended");
        QCOMPARE(headers.Value("X-Same", 3998), QByteArray("appended"));
        QCOMPARE(headers.NameCount("X-Same"), 3999);
        headers.Delete("X-Same");
        QCOMPARE(headers.Count(), 0);
        headers.AppendHeader("X-Same", "again");
        QCOMPARE(instances(headers, "X-Same"), QStringList{"again"});
    }

    void refusesLineBreaks_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("CR LF in a value") << QByteArray("X") << QByteArray("a\r\nInjected: 1");
        QTest::newRow("lone LF in a value") << QByteArray("X") << QByteArray("a\nb");
        QTest::newRow("lone CR in a name") << QByteArray("X\r") << QByteArray("a");
    }
    void refusesLineBreaks()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        InternetHeaders headers;
        headers.SetHeader("X", "kept");
        QVERIFY(!headers.SetHeader(name, value));
        QVERIFY(!headers.SetHeader(name, value, 1));
        QVERIFY(!headers.AppendHeader(name, value));
        QCOMPARE(entries(headers), "X=kept");
    }

    void formatsForHttpAndMail()
    {
        InternetHeaders headers;
        QCOMPARE(headers.Source(), QByteArray());
        const QList<std::pair<QByteArray, QByteArray>> mail = {
            {"X-Mailer", "m"},  {"To", "a"},   {"Subject", "s"}, {"Received", "r1"},
            {"To", "b"},        {"BCC", "h"},  {"From", "f"},    {"Return-Path", "p"},
            {"Received", "r2"}, {"Date", "d"}, {"cc", "c"},      {"Date", "dropped"}};
        for (const auto &[name, value] : mail)
            headers.AppendHeader(name, value);
        QCOMPARE(headers._FormatEmailHeaders(),
                 QByteArray("Return-Path: p\r\nReceived: r1\r\nReceived: r2\r\nDate: d\r\n"
                            "Subject: s\r\nFrom: f\r\nTo: a, b\r\nCC: c\r\nX-Mailer: m"));
        headers.DeleteAllHeaders();
        headers.SetHeader("A", "1");
        headers.SetHeader("B", "");
        QCOMPARE(headers.Source(), QByteArray("A: 1\r\nB: "));
    }
};

QTEST_GUILESS_MAIN(TestInternetHeaders)
#include "tst_internetheaders.moc"

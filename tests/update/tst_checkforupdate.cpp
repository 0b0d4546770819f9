#include "BuildInfo.h"
#include "StockServer.h"
#include "http/ScriptedServer.h"
#include "prefs/PreferencesModule.h"
#include "support/TestApp.h"
#include "update/CheckForUpdateModule.h"
#include "update/CheckForUpdateThread.h"

#include <QElapsedTimer>
#include <QTcpServer>

namespace {

const QString runningVersion =
    QStringLiteral("%1.%2").arg(BuildInfo::versionMajor).arg(BuildInfo::versionMinor);
const QString newerVersion =
    QStringLiteral("%1.%2").arg(BuildInfo::versionMajor).arg(BuildInfo::versionMinor + 1);
const QString newVersionMessage =
    QStringLiteral("Update notification\n\nA new version of Quillomat is available online.\n"
                   "You can download it right now from our website.");

// Runs one check to its end and returns the messages it showed.
QStringList runCheck(const QString &websiteUrl)
{
    MessageRecorder recorder;
    CheckForUpdateThread check(websiteUrl);
    check.start();
    if (!QTest::qWaitFor([&] { return check.isFinished(); }, 15000))
        return {"(still running)"};
    QCoreApplication::processEvents();
    return recorder.messages;
}

} // namespace

class TestCheckForUpdate : public QObject {
    Q_OBJECT

private slots:
    void buildsTheVersionFileUrl()
    {
        QCOMPARE(CheckForUpdateThread::versionFileUrl("http://h", "Quillomat"),
                 QString("http://h/quillomat/version.txt"));
        QCOMPARE(CheckForUpdateThread::versionFileUrl("http://h:81/base", "Abc Def"),
                 QString("http://h:81/base/abcdef/version.txt"));
    }

    void decidesWhetherANewerVersionExists_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("newer");
        QTest::newRow("same version") << QByteArray("Quillomat 2.1") << "Quillomat" << false;
        QTest::newRow("newer version") << QByteArray("Quillomat 2.2\n") << "Quillomat" << true;
        QTest::newRow("2.10 holds 2.1") << QByteArray("Quillomat 2.10") << "Quillomat" << false;
        QTest::newRow("12.1 holds 2.1") << QByteArray("Quillomat 12.1") << "Quillomat" << false;
        QTest::newRow("name in other letter case")
            << QByteArray("quillomat 2.2") << "Quillomat" << true;
        QTest::newRow("no name, whatever the version")
            << QByteArray("Other 9.9") << "Quillomat" << false;
        QTest::newRow("empty page") << QByteArray() << "Quillomat" << false;
        QTest::newRow("name searched with its space")
            << QByteArray("AbcDef 3.0") << "Abc Def" << false;
        QTest::newRow("error page naming the program")
            << QByteArray("<h1>Not Found</h1>No Quillomat here") << "Quillomat" << true;
    }
    void decidesWhetherANewerVersionExists()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, name);
        QFETCH(bool, newer);
        QCOMPARE(CheckForUpdateThread::isNewerVersionAvailable(page, name, "2.1"), newer);
    }

    void fillsInTheName()
    {
        QCOMPARE(
            CheckForUpdateThread::newVersionMessage("%APPLICATIONNAME% and %APPLICATIONNAME%", "Q"),
            QString("Q and %APPLICATIONNAME%"));
        QCOMPARE(CheckForUpdateThread::newVersionMessage("Neue Version!", "Q"),
                 QString("Neue Version!"));
    }

    void checksAgainstAStockServer_data()
    {
        QTest::addColumn<QByteArray>("versionFile");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("same version") << ("Quillomat " + runningVersion).toUtf8() << QStringList();
        QTest::newRow("newer version")
            << ("Quillomat " + newerVersion + "\n").toUtf8() << QStringList{newVersionMessage};
        QTest::newRow("near miss holds the running version")
            << ("Quillomat " + runningVersion + "0").toUtf8() << QStringList();
        QTest::newRow("name in other letter case")
            << ("quillomat " + newerVersion).toUtf8() << QStringList{newVersionMessage};
        QTest::newRow("unreachable server") << QByteArray() << QStringList();
    }
    void checksAgainstAStockServer()
    {
        QFETCH(QByteArray, versionFile);
        QFETCH(QStringList, messages);
        StockServer server;
        if (!server.start())
            QSKIP(qPrintable(server.problem));
        QVERIFY(server.writeFile("quillomat/version.txt", versionFile));
        QString url = server.baseUrl();
        if (versionFile.isEmpty()) {
            QTcpServer closedPort;
            QVERIFY(closedPort.listen(QHostAddress::LocalHost));
            url = QStringLiteral("http://127.0.0.1:%1").arg(closedPort.serverPort());
        }
        QCOMPARE(runCheck(url), messages);
    }

    void sendsItsNameAndAsksForTheVersionFile()
    {
        ScriptedServer server;
        server.addReply(ScriptedServer::reply("HTTP/1.0 200 OK\r\n\r\nQuillomat 999.0"));
        QCOMPARE(runCheck(server.url("")), QStringList{newVersionMessage});
        QCOMPARE(server.requests.value(0),
                 "GET /quillomat/version.txt HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
                 "User-Agent: Quillomat\r\nHost: 127.0.0.1:" +
                     QByteArray::number(server.serverPort()) + "\r\n\r\n");
    }

    void staysSilentWhenAResponseIsGivenUp_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::newRow("version file past 64 KiB")
            << "HTTP/1.0 200 OK\r\n\r\nQuillomat " + QByteArray(70000, 'x');
        QTest::newRow("header block past 64 KiB")
            << "HTTP/1.0 200 OK\r\nQuillomat: " + QByteArray(70000, 'x');
    }
    void staysSilentWhenAResponseIsGivenUp()
    {
        QFETCH(QByteArray, response);
        ScriptedServer server;
        server.addReply({{{response, 0}}, false});
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(runCheck(server.url("")), QStringList());
        QVERIFY(clock.elapsed() < 5000);
    }

    void startsOnlyWhenThePreferenceIsOn()
    {
        PreferencesModule::checkForUpdate = false;
        CheckForUpdateModule::checkForUpdate();
        QVERIFY(!CheckForUpdateModule::currentCheck());

        PreferencesModule::checkForUpdate = true;
        CheckForUpdateModule::checkForUpdate();
        CheckForUpdateThread *check = CheckForUpdateModule::currentCheck();
        QVERIFY(check);
        CheckForUpdateModule::checkForUpdate();
        QCOMPARE(CheckForUpdateModule::currentCheck(), check);

        QElapsedTimer clock;
        clock.start();
        CheckForUpdateModule::stopCheck();
        QVERIFY(clock.elapsed() < 500);
        QVERIFY(!CheckForUpdateModule::currentCheck());
    }

    void stopsAFetchAtOnce()
    {
        ScriptedServer server;
        server.addReply(ScriptedServer::silence());
        MessageRecorder recorder;
        CheckForUpdateThread check(server.url(""));
        check.start();
        QTRY_COMPARE(server.connectionCount, 1);
        QElapsedTimer clock;
        clock.start();
        check.requestInterruption();
        QVERIFY(check.wait(1000));
        QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.messages, QStringList());
    }
};

QUILLOMAT_TEST_MAIN(TestCheckForUpdate)
#include "tst_checkforupdate.moc"

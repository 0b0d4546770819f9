#include "BuildInfo.h"
#include "StockServer.h"
#include "app/ApplicationServices.h"
#include "http/ScriptedServer.h"
#include "prefs/PreferencesModule.h"
#include "support/TestApp.h"
#include "update/CheckForUpdateModule.h"
#include "update/CheckForUpdateThread.h"

// Runs one check to its end; the messages it showed.
static QStringList runCheck(const QString &websiteUrl)
{
    MessageRecorder recorder;
    CheckForUpdateThread check(websiteUrl);
    check.start();
    if (!QTest::qWaitFor([&] { return check.isFinished(); }, 15000))
        return {"(still running)"};
    QCoreApplication::processEvents();
    return recorder.messages;
}

class TestCheckForUpdate : public QObject {
    Q_OBJECT

private slots:
    void tellsOnlyOfANewerVersion_data()
    {
        QTest::addColumn<QString>("versionFile");
        QTest::addColumn<bool>("told");
        const QString running = "Quillomat " + applicationVersionText();
        const QString newer = QString::number(BuildInfo::versionMajor + 1) + ".0\n";
        QTest::newRow("same version") << running << false;
        QTest::newRow("newer version") << "Quillomat " + newer << true;
        QTest::newRow("near miss holds the running version") << running + "0" << false;
        QTest::newRow("name in other letter case") << "quillomat " + newer << true;
        // Read whole, it names the program but not this version.
        QTest::newRow("version file past 64 KiB") << "Quillomat " + QString(70000, 'x') << false;
        QTest::newRow("unreachable server") << QString() << false;
    }
    void tellsOnlyOfANewerVersion()
    {
        QFETCH(QString, versionFile);
        QFETCH(bool, told);
        StockServer server;
        QVERIFY2(!server.url.isEmpty(), "python3 -m http.server did not start");
        QVERIFY(server.writeVersionFile(versionFile.toUtf8()));
        const QString message = "Update notification\n\nA new version of Quillomat is available "
                                "online.\nYou can download it right now from our website.";
        QCOMPARE(runCheck(versionFile.isNull() ? "http://127.0.0.1:1" : server.url),
                 told ? QStringList{message} : QStringList());
    }

    // Only a whole, successful response says anything about versions: error
    // pages and redirect notices name the request path, which holds the name.
    void judgesOnlyCompleteSuccessfulResponses_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<bool>("told");
        const QByteArray newer = "Quillomat " + QByteArray::number(BuildInfo::versionMajor + 1) +
                                 ".0\n"; // 14 bytes for a one-digit major version
        const QByteArray path = "/quillomat/version.txt";
        QTest::newRow("200 with its whole length")
            << "HTTP/1.0 200 OK\r\nContent-Length: 14\r\n\r\n" + newer << false << true;
        QTest::newRow("299, no length given")
            << "HTTP/1.0 299 Fine\r\n\r\n" + newer << false << true;
        QTest::newRow("cut short, then closed")
            << "HTTP/1.0 200 OK\r\nContent-Length: 15\r\n\r\n" + newer << false << false;
        QTest::newRow("cut short, then reset")
            << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\nQuillomat 9") << true
            << false;
        QTest::newRow("404 page naming the path")
            << "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<p>The requested URL " +
                   path + " was not found on this server.</p>\n"
            << false << false;
        QTest::newRow("301 notice linking the path")
            << "HTTP/1.0 301 Moved Permanently\r\nLocation: http://mirror.example" + path +
                   "\r\n\r\n<a href=\"http://mirror.example" + path + "\">Moved</a>\n"
            << false << false;
        QTest::newRow("199") << "HTTP/1.0 199 Early\r\n\r\n" + newer << false << false;
        QTest::newRow("300") << "HTTP/1.0 300 Choices\r\n\r\n" + newer << false << false;
    }
    void judgesOnlyCompleteSuccessfulResponses()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, reset);
        QFETCH(bool, told);
        ScriptedServer server;
        server.replies << ScriptedServer::Reply{response, 0, 0, !reset, reset};
        QCOMPARE(runCheck(server.url("")).size(), told ? 1 : 0);
    }

    void namesItselfInTheRequest()
    {
        ScriptedServer server;
        server.replies << ScriptedServer::Reply{"HTTP/1.0 200 OK\r\n\r\n"};
        QCOMPARE(runCheck(server.url("")), QStringList());
        QCOMPARE(server.requests.value(0),
                 "GET /quillomat/version.txt HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
                 "User-Agent: Quillomat\r\nHost: " +
                     server.url("").mid(7).toLatin1() + "\r\n\r\n");
    }

    void startsOnlyWhenThePreferenceIsOn()
    {
        PreferencesModule::checkForUpdate = false;
        CheckForUpdateModule::checkForUpdate();
        QVERIFY(!CheckForUpdateModule::currentCheck());
        PreferencesModule::checkForUpdate = true;
        CheckForUpdateModule::checkForUpdate();
        QVERIFY(CheckForUpdateModule::currentCheck());
        CheckForUpdateModule::stopCheck();
        QVERIFY(!CheckForUpdateModule::currentCheck());
    }
};

QUILLOMAT_TEST_MAIN(TestCheckForUpdate)
#include "tst_checkforupdate.moc"

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

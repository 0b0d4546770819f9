#include "base/ApplicationServices.h"
#include "base/LocalizedText.h"
#include "base/WebsiteUrl.h"
#include "http/ScriptedServer.h"
#include "prefs/PreferencesModule.h"
#include "support/TestApp.h"
#include "update/CheckForUpdateModule.h"
#include "update/CheckForUpdateThread.h"

namespace {

using Reply = ScriptedServer::Reply;
const QByteArray ok = "HTTP/1.0 200 OK\r\n\r\n", newer = "Quillomat 2.0\n"; // 14 bytes
const QString told = "Update notification\n\nA new version of Quillomat is available online.\n"
                     "You can download it right now from our website.";

// What the program hands a check of its own website.
UpdateCheckRequest request(const QString &websiteUrl)
{
    return {websiteUrl, ApplicationNameMBS(qApp), applicationVersionText(),
            CheckForUpdateThreadText::NewVersionAvailableMessage.text(),
            [](const QString &text) { Shell::instance()->displayMessage(text); }};
}

// Runs one check to its end; the messages it showed.
QStringList runCheck(const QString &websiteUrl)
{
    MessageRecorder recorder;
    CheckForUpdateThread check(request(websiteUrl));
    check.start();
    if (!QTest::qWaitFor([&] { return check.isFinished(); }, 15000))
        return {"(still running)"};
    QCoreApplication::processEvents();
    return recorder.messages;
}

} // namespace

// The website: whatever local server the test started.
QString websiteBaseUrl()
{
    return QString::fromLocal8Bit(qgetenv("QUILLOMAT_LOCAL_SITE"));
}

class TestUpdate : public QObject {
    Q_OBJECT

private slots:
    // Only a whole, successful response says anything about versions: error
    // pages and redirect notices name the request path, which holds the name.
    void tellsOfANewerVersionOnlyOnACompleteSuccess_data()
    {
        QTest::addColumn<QByteArray>("response"); // none: no server; "(reset)" after it: a reset
        QTest::addColumn<bool>("isTold");
        const QByteArray running = ok + "Quillomat 1.0", path = "/quillomat/version.txt",
                         length = "HTTP/1.0 200 OK\r\nContent-Length: ";
        const struct {
            const char *tag;
            QByteArray response;
            bool isTold;
        } rows[] = {
            {"same version", running, false},
            {"newer version", ok + newer, true},
            {"near miss holds the running version", running + "0", false},
            {"name in other letter case", ok + newer.toLower(), true},
            // Read whole, it names the program but not this version.
            {"past 64 KiB", ok + "Quillomat " + QByteArray(70000, 'x'), false},
            {"unreachable server", QByteArray(), false},
            {"200 with its whole length", length + "14\r\n\r\n" + newer, true},
            {"299, no length given", "HTTP/1.0 299 Fine\r\n\r\n" + newer, true},
            {"cut short, then closed", length + "15\r\n\r\n" + newer, false},
            {"cut short, then reset", length + "40\r\n\r\nQuillomat 9(reset)", false},
            {"404 page naming the path",
             "HTTP/1.0 404 Not Found\r\n\r\n<p>The requested URL " + path + " was not found.</p>",
             false},
            {"301 notice linking the path",
             "HTTP/1.0 301 Moved\r\nLocation: http://mirror.example" + path + "\r\n\r\n" + path,
             false},
            {"199", "HTTP/1.0 199 Early\r\n\r\n" + newer, false},
            {"300", "HTTP/1.0 300 Choices\r\n\r\n" + newer, false},
        };
        for (const auto &row : rows)
            QTest::newRow(row.tag) << row.response << row.isTold;
    }
    void tellsOfANewerVersionOnlyOnACompleteSuccess()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, isTold);
        ScriptedServer server;
        const bool reset = response.endsWith("(reset)");
        server.replies << Reply{response.chopped(reset ? 7 : 0), 0, 0, !reset, reset};
        const QString site = response.isNull() ? "http://127.0.0.1:1" : server.url("");
        QCOMPARE(runCheck(site), isTold ? QStringList{told} : QStringList());
        if (!response.isNull())
            QCOMPARE(server.requests.value(0),
                     "GET /quillomat/version.txt HTTP/1.0\r\nAccept: */*\r\nAccept-Language: "
                     "en\r\nUser-Agent: Quillomat\r\nHost: " +
                         site.mid(7).toLatin1() + "\r\n\r\n");
    }

    // The number after the name decides, number by number.
    void comparesVersionNumbers_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("running");
        QTest::addColumn<bool>("isNewer");
        const struct {
            const char *page, *running;
            bool isNewer;
        } rows[] = {
            {"Quillomat 0.9", "1.0", false},
            {"Quillomat 1.0.1", "1.0", true},
            {"Quillomat 11.0", "1.0", true},
            {"Quillomat 1.10", "1.9", true},
            {"Quillomat 1.9", "1.10", false},
            {"Quillomat 1.0.0", "1.0", false},
            {"Quillomat 01.00", "1.0", false},
            {"quillomat\t2.0", "1.0", true},
            {"Quillomat 1.0", "1.0.0.1", false},
            {"Quillomat\n2.0", "1.0", false},
            {"Quillomats 2.0", "1.0", false},
            {"Quillomat v2.0", "1.0", false},
            {"Quillomat 1.", "1.0", false},
            {"Quillomat 3", "2.9", true},
            {"/quillomat/ says Quillomat 2.0", "1.0", true},
            {"Quillomat 100000000000000000000", "99999999999999999999.9", true},
        };
        for (const auto &row : rows)
            QTest::newRow(QByteArray(row.page).replace('\n', "\\n"))
                << QByteArray(row.page) << row.running << row.isNewer;
    }
    void comparesVersionNumbers()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, running);
        QFETCH(bool, isNewer);
        QCOMPARE(CheckForUpdateThread::isNewerVersionAvailable(page, "Quillomat", running),
                 isNewer);
    }

    void theVersionFileIsNamedAfterTheProgram()
    {
        QCOMPARE(CheckForUpdateThread::versionFileUrl("http://h.test", "Pad Tester"),
                 "http://h.test/padtester/version.txt");
    }

    // At launch the check starts only when the user asked for it, and once;
    // the end of the program stops it even when the server never answers.
    void startsOncePerLaunchWhenAskedForAndStopsAtTheEnd()
    {
        ScriptedServer server;
        server.replies << Reply{ok}; // then silence
        qputenv("QUILLOMAT_LOCAL_SITE", server.url("").toUtf8());
        MessageRecorder recorder;
        PreferencesModule::checkForUpdate = false;
        CheckForUpdateModule::checkForUpdate();
        // A check of our own, started later, comes second to any started above.
        runCheck(server.url(""));
        QCOMPARE(server.connectionCount, 1);
        PreferencesModule::checkForUpdate = true;
        CheckForUpdateModule::checkForUpdate();
        // Replacing the running check would pull its thread from under it.
        CheckForUpdateModule::checkForUpdate();
        QTRY_COMPARE(server.connectionCount, 2);
        QElapsedTimer clock;
        clock.start();
        App::releaseModuleObjects();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        // Gone with it: a later check would start afresh.
        CheckForUpdateModule::checkForUpdate();
        QTRY_COMPARE(server.connectionCount, 3);
        CheckForUpdateModule::stopCheck();
        QCOMPARE(recorder.messages, QStringList());
    }

    // Last: the program is quitting afterwards.
    void aPendingMessageEndsWhenTheProgramQuits()
    {
        // The server answers from a thread of its own: no events are handled
        // here, so the message the check asks for waits, as behind a box the
        // user leaves open.
        QThread serverThread;
        auto *server = new ScriptedServer;
        server->replies << Reply{ok + newer};
        server->moveToThread(&serverThread);
        connect(&serverThread, &QThread::finished, server, &QObject::deleteLater);
        serverThread.start();
        MessageRecorder recorder;
        CheckForUpdateThread check(request(server->url("")));
        check.start();
        for (int wait = 0; wait < 1000 && server->connectionCount == 0; ++wait)
            QThread::msleep(10);
        QThread::msleep(300); // the answer is in, the message asked for
        QVERIFY(check.isRunning());
        App::instance()->quitApplication();
        QVERIFY(check.wait(1000));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.messages, QStringList());
        serverThread.quit();
        serverThread.wait();
    }
};

QUILLOMAT_TEST_MAIN(TestUpdate)
#include "tst_update.moc"

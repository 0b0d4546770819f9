#include "BuildInfo.h"
#include "StockServer.h"
#include "support/TestApp.h"
#include "update/CheckForUpdateThread.h"

#include <QElapsedTimer>

// Quitting makes the application refuse further messages for good, so this
// runs in a process of its own.
class TestCheckForUpdateQuit : public QObject {
    Q_OBJECT

private slots:
    void pendingMessageEndsWhenTheProgramQuits()
    {
        StockServer server;
        QVERIFY2(!server.url.isEmpty(), "python3 -m http.server did not start");
        QVERIFY(server.writeVersionFile("Quillomat " +
                                        QByteArray::number(BuildInfo::versionMajor + 1) + ".0"));
        MessageRecorder recorder;
        CheckForUpdateThread check(server.url);
        check.start();
        // No events are handled here, so the message the check asks for
        // waits, as behind a box the user leaves open.
        QVERIFY(server.waitForRequest());
        QThread::msleep(300);
        QVERIFY(check.isRunning());
        QElapsedTimer clock;
        clock.start();
        App::instance()->quitWithExitCode0();
        QVERIFY(check.wait(1000));
        QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.messages, QStringList());
    }
};

QUILLOMAT_TEST_MAIN(TestCheckForUpdateQuit)
#include "tst_checkforupdatequit.moc"

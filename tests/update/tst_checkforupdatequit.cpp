#include "BuildInfo.h"
#include "StockServer.h"
#include "support/TestApp.h"
#include "update/CheckForUpdateThread.h"

#include <QElapsedTimer>

// Quitting makes the application object refuse further messages for good, so
// this runs in a process of its own.
class TestCheckForUpdateQuit : public QObject {
    Q_OBJECT

private slots:
    void pendingMessageEndsWhenTheProgramQuits()
    {
        StockServer server;
        if (!server.start())
            QSKIP(qPrintable(server.problem));
        QVERIFY(server.writeFile("quillomat/version.txt",
                                 QByteArray("Quillomat ") +
                                     QByteArray::number(BuildInfo::versionMajor + 1) + ".0"));
        MessageRecorder recorder;
        CheckForUpdateThread check(server.baseUrl());
        check.start();
        // The main thread handles no events here, so the message the check
        // asks for stays waiting, as it would behind a box the user ignores.
        QVERIFY(server.waitForRequestLog(10000));
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

#include "support/Files.h"
#include "tester/DeviceReport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestDeviceReport : public QObject {
    Q_OBJECT

private slots:
    void buildsTheFileLineByLine_data()
    {
        QTest::addColumn<QString>("deviceName");
        QTest::addColumn<QList<DeviceReport::Row>>("rows");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("device with elements")
            << "Test Pad"
            << QList<DeviceReport::Row>{{"Axis 0", "-32768", "0", "32767"},
                                        {"Button 0", "0", "0", "1"}}
            << QByteArray("Test Pad\n\n"
                          "Axis 0 : Minimum = -32768, Default = 0, Maximum = 32767\n"
                          "Button 0 : Minimum = 0, Default = 0, Maximum = 1\n");
        QTest::newRow("no device selected")
            << "" << QList<DeviceReport::Row>{} << QByteArray("\n\n");
        QTest::newRow("device without elements")
            << "Bare Pad" << QList<DeviceReport::Row>{} << QByteArray("Bare Pad\n\n");
        QTest::newRow("names beyond ASCII are UTF-8")
            << QStringLiteral("Manette \u00e9")
            << QList<DeviceReport::Row>{{QStringLiteral("Axe \u00e9"), "1", "2", "3"}}
            << QByteArray("Manette \xc3\xa9\n\nAxe \xc3\xa9 : Minimum = 1, Default = 2, "
                          "Maximum = 3\n");
    }
    void buildsTheFileLineByLine()
    {
        QFETCH(QString, deviceName);
        QFETCH(QList<DeviceReport::Row>, rows);
        QFETCH(QByteArray, expected);
        QCOMPARE(DeviceReport::reportContent(deviceName, rows), expected);
    }

    void replacesOnlyTheFirstPlaceholder()
    {
        QCOMPARE(DeviceReport::withDeviceName("The \"%DEVICENAME%.txt\" file.", "Pad"),
                 QStringLiteral("The \"Pad.txt\" file."));
        QCOMPARE(DeviceReport::withDeviceName("%DEVICENAME% and %DEVICENAME%", "Pad"),
                 QStringLiteral("Pad and %DEVICENAME%"));
        QCOMPARE(DeviceReport::withDeviceName("No name here.", "Pad"),
                 QStringLiteral("No name here."));
        // A name that itself looks like the placeholder is not replaced again.
        QCOMPARE(DeviceReport::withDeviceName("%DEVICENAME%", "%DEVICENAME%"),
                 QStringLiteral("%DEVICENAME%"));
    }

    void replacesAnEarlierFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Pad.txt");
        QVERIFY(DeviceReport::writeReport(path, "first version, longer\n"));
        QVERIFY(DeviceReport::writeReport(path, "second\n"));
        QCOMPARE(readFile(path), QByteArray("second\n"));
    }

    void aPlaceThatCannotHoldAFileFails()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!DeviceReport::writeReport(folder.filePath("not-a-folder/Pad.txt"), "x\n"));
        QVERIFY(!DeviceReport::writeReport(folder.path(), "x\n"));
    }

    void aFailedWriteKeepsTheEarlierFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Pad.txt");
        QVERIFY(DeviceReport::writeReport(path, "kept\n"));
        {
            const FileSizeLimit limit(16);
            QVERIFY(!DeviceReport::writeReport(path, QByteArray(4096, 'x')));
        }
        QCOMPARE(readFile(path), QByteArray("kept\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Pad.txt"});
    }
};

QTEST_APPLESS_MAIN(TestDeviceReport)
#include "tst_devicereport.moc"

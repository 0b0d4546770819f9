// Replays every input the fuzz targets start from or ever found a fault with,
// through the same checks, in the normal build.
#include "HttpFuzzHarness.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzRegressions : public QObject {
    Q_OBJECT

private slots:
    void replaysKeptInputs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        for (const QString target : {"fuzz_internetheaders", "fuzz_httpresponse"}) {
            for (const QString kind : {"seeds", "regressions"}) {
                const QDir folder(QStringLiteral(QUILLOMAT_FUZZ_DIR "/%1/%2").arg(kind, target));
                for (const QString &name : folder.entryList(QDir::Files))
                    QTest::newRow(qPrintable(kind + '/' + target + '/' + name))
                        << target << folder.filePath(name);
            }
        }
    }
    void replaysKeptInputs()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QCOMPARE(target == "fuzz_internetheaders" ? HttpFuzzHarness::checkHeaderCollection(input)
                                                  : HttpFuzzHarness::checkResponseReader(input),
                 QString());
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"

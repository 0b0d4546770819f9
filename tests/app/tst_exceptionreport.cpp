#include "app/ExceptionReport.h"
#include "support/TestApp.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>
#include <system_error>

// Exported and kept out of line, so that the stack can name it.
[[noreturn, gnu::noinline]] void throwFromANamedPlace();
void throwFromANamedPlace()
{
    throw AppException(42, QStringLiteral("the pad went away"));
}

class TestExceptionReport : public QObject {
    Q_OBJECT

private slots:
    void reportsNumberMessageAndAtMostFourStackEntries_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("stackEntries");
        QTest::addColumn<QStringList>("expectedLines");
        QTest::newRow("number zero, nothing else")
            << 0 << "" << 0 << QStringList{"Unhandled exception", "Number: 0"};
        QTest::newRow("one stack entry, no message")
            << -1 << "" << 1 << QStringList{"Unhandled exception", "Number: -1", "Stack: f0"};
        QTest::newRow("ten entries show the first four")
            << 2 << "m" << 10 << QStringList{"Unhandled exception",
                                             "Number: 2",
                                             "Message: m",
                                             "Stack: f0",
                                             "- f1",
                                             "- f2",
                                             "- f3"};
    }
    void reportsNumberMessageAndAtMostFourStackEntries()
    {
        QFETCH(int, number);
        QFETCH(QString, message);
        QFETCH(int, stackEntries);
        QFETCH(QStringList, expectedLines);
        ExceptionInfo info{number, message, {}};
        for (int index = 0; index < stackEntries; ++index)
            info.stack.append(QStringLiteral("f%1").arg(index));
        QCOMPARE(unhandledExceptionReport(&info), expectedLines.join('\n'));
    }

    void anExceptionLeavingAHandlerIsReportedAndTheProgramGoesOn()
    {
        MessageRecorder recorder;
        App *app = App::instance();
        QTimer::singleShot(0, app, [] { throwFromANamedPlace(); });
        QTimer::singleShot(0, app, [] { throw std::runtime_error("second"); });
        QTimer::singleShot(
            0, app, [] { throw std::system_error(std::make_error_code(std::errc::io_error)); });
        QTimer::singleShot(0, app, [] { throw 5; });
        bool laterEventRan = false;
        QTimer::singleShot(10, app, [&laterEventRan] { laterEventRan = true; });
        QTRY_VERIFY(laterEventRan);

        QCOMPARE(recorder.messages.size(), 4);
        const QStringList own = recorder.messages.at(0).split('\n');
        QCOMPARE(own.mid(0, 3),
                 (QStringList{"Unhandled exception", "Number: 42", "Message: the pad went away"}));
        // The stack starts where the exception was thrown.
        QVERIFY2(own.value(3).startsWith("Stack: throwFromANamedPlace"), qPrintable(own.value(3)));
        QVERIFY(own.size() <= 7);
        QCOMPARE(recorder.messages.at(1).split('\n').mid(0, 3),
                 (QStringList{"Unhandled exception", "Number: 0", "Message: second"}));
        QVERIFY(recorder.messages.at(2).startsWith(
            QStringLiteral("Unhandled exception\nNumber: %1\n").arg(EIO)));
        QCOMPARE(recorder.messages.at(3), QStringLiteral("Unhandled exception"));
    }
};

QUILLOMAT_TEST_MAIN(TestExceptionReport)
#include "tst_exceptionreport.moc"

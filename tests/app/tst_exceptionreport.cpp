#include "app/ExceptionReport.h"
#include "support/TestApp.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>
#include <system_error>

namespace {

QStringList numberedStack(int entries)
{
    QStringList stack;
    for (int index = 0; index < entries; ++index)
        stack.append(QStringLiteral("frame %1").arg(index));
    return stack;
}

} // namespace

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
        QTest::newRow("negative number")
            << -7 << "" << 0 << QStringList{"Unhandled exception", "Number: -7"};
        QTest::newRow("message, no stack")
            << 3 << "bad" << 0 << QStringList{"Unhandled exception", "Number: 3", "Message: bad"};
        QTest::newRow("one stack entry, no message")
            << 1 << "" << 1 << QStringList{"Unhandled exception", "Number: 1", "Stack: frame 0"};
        QTest::newRow("four entries show all")
            << 1 << "m" << 4
            << QStringList{"Unhandled exception", "Number: 1", "Message: m", "Stack: frame 0",
                           "- frame 1",           "- frame 2", "- frame 3"};
        QTest::newRow("ten entries show the first four")
            << 2 << "" << 10 << QStringList{"Unhandled exception", "Number: 2", "Stack: frame 0",
                                            "- frame 1",           "- frame 2", "- frame 3"};
    }
    void reportsNumberMessageAndAtMostFourStackEntries()
    {
        QFETCH(int, number);
        QFETCH(QString, message);
        QFETCH(int, stackEntries);
        QFETCH(QStringList, expectedLines);
        const ExceptionInfo info{number, message, numberedStack(stackEntries)};
        QCOMPARE(unhandledExceptionReport(&info), expectedLines.join('\n'));
    }

    void anAbsentExceptionGivesTheHeadingAlone()
    {
        QCOMPARE(unhandledExceptionReport(nullptr), QStringLiteral("Unhandled exception"));
    }

    void describesEachKindOfException()
    {
        ExceptionInfo info;
        const QStringList context{"where it was caught"};

        QVERIFY(describeException(std::make_exception_ptr(std::runtime_error("plain")), context,
                                  &info));
        QCOMPARE(info.number, 0);
        QCOMPARE(info.message, QStringLiteral("plain"));
        QCOMPARE(info.stack, context);

        QVERIFY(describeException(
            std::make_exception_ptr(std::system_error(std::make_error_code(std::errc::io_error))),
            context, &info));
        QCOMPARE(info.number, EIO);

        QVERIFY(!describeException(std::make_exception_ptr(17), context, &info));
        QVERIFY(!describeException(std::exception_ptr(), context, &info));
    }

    void theProgramsOwnExceptionCarriesTheStackWhereItWasThrown()
    {
        try {
            throwFromANamedPlace();
        } catch (const AppException &exception) {
            QCOMPARE(exception.info().number, 42);
            QCOMPARE(exception.info().message, QStringLiteral("the pad went away"));
            QVERIFY2(!exception.info().stack.isEmpty(), "no stack captured");
            QVERIFY2(exception.info().stack.first().contains("throwFromANamedPlace"),
                     qPrintable(exception.info().stack.first()));
        }
    }

    void anExceptionLeavingAHandlerIsReportedAndTheProgramGoesOn()
    {
        MessageRecorder recorder;
        QTimer::singleShot(0, App::instance(), [] { throwFromANamedPlace(); });
        QTimer::singleShot(0, App::instance(), [] { throw std::runtime_error("second"); });
        QTimer::singleShot(0, App::instance(), [] { throw 5; });
        bool laterEventRan = false;
        QTimer::singleShot(10, App::instance(), [&laterEventRan] { laterEventRan = true; });
        QTRY_VERIFY(laterEventRan);

        QCOMPARE(recorder.messages.size(), 3);
        const QStringList first = recorder.messages.at(0).split('\n');
        QCOMPARE(first.mid(0, 3),
                 (QStringList{"Unhandled exception", "Number: 42", "Message: the pad went away"}));
        QVERIFY2(first.value(3).startsWith("Stack: ") &&
                     first.value(3).contains("throwFromANamedPlace"),
                 qPrintable(first.value(3)));
        QVERIFY(first.size() <= 7);
        const QStringList second = recorder.messages.at(1).split('\n');
        QCOMPARE(second.mid(0, 3),
                 (QStringList{"Unhandled exception", "Number: 0", "Message: second"}));
        QCOMPARE(recorder.messages.at(2), QStringLiteral("Unhandled exception"));
    }
};

QUILLOMAT_TEST_MAIN(TestExceptionReport)
#include "tst_exceptionreport.moc"

#include "tester/ValueText.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestValueText : public QObject {
    Q_OBJECT

private slots:
    void narrowsToTheLow16BitsAsTwosComplement_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("largest 16-bit value stays") << 32767 << 32767;
        QTest::newRow("one past the top wraps") << 32768 << -32768;
        QTest::newRow("all ones is -1") << 65535 << -1;
        QTest::newRow("beyond 16 bits") << 70000 << 4464;
        QTest::newRow("negative beyond 16 bits") << -40000 << 25536;
        QTest::newRow("smallest 32-bit value") << std::numeric_limits<qint32>::min() << 0;
    }
    void narrowsToTheLow16BitsAsTwosComplement()
    {
        QFETCH(qint32, value);
        QFETCH(int, expected);
        QCOMPARE(int(ValueText::narrowTo16Bits(value)), expected);
    }

    void readsTheLeadingNumberOfACell_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("a lone minus") << "-" << 0.0;
        QTest::newRow("negative") << "-32768" << -32768.0;
        QTest::newRow("leading zeros") << "-0042" << -42.0;
        QTest::newRow("spaces and plus") << "  +12abc" << 12.0;
        QTest::newRow("exponent, then an e without digits") << "25E-1" << 2.5;
        QTest::newRow("hexadecimal is not decimal") << "0x10" << 0.0;
        QTest::newRow("infinity is not a decimal number") << "-inf" << 0.0;
        QTest::newRow("beyond a double saturates")
            << "-1e999" << -std::numeric_limits<double>::infinity();
    }
    void readsTheLeadingNumberOfACell()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ValueText::leadingNumber(text), expected);
    }

    void writesWholeNumbersWithoutPointOrExponent()
    {
        for (qint64 value : {-2147483648LL, -32768LL, 0LL, 40000LL}) {
            const QString text = ValueText::integerText(value);
            QCOMPARE(ValueText::realText(ValueText::leadingNumber(text)), text);
        }
        QCOMPARE(ValueText::realText(-0.0), QStringLiteral("0"));
    }

    void clampsDoublesIntoThe32BitRange_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("fraction towards zero") << -120.9 << -120;
        QTest::newRow("far above") << 1e12 << std::numeric_limits<qint32>::max();
        QTest::newRow("minus infinity")
            << -std::numeric_limits<double>::infinity() << std::numeric_limits<qint32>::min();
        QTest::newRow("not a number") << std::nan("") << -1;
    }
    void clampsDoublesIntoThe32BitRange()
    {
        QFETCH(double, value);
        QFETCH(qint32, expected);
        QCOMPARE(ValueText::clampToInt32(value, -1), expected);
    }
};

QTEST_APPLESS_MAIN(TestValueText)
#include "tst_valuetext.moc"

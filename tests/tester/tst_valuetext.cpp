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
        QTest::newRow("smallest 16-bit value stays") << -32768 << -32768;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one past the top wraps to the bottom") << 32768 << -32768;
        QTest::newRow("all ones is -1") << 65535 << -1;
        QTest::newRow("beyond 16 bits keeps the low bits") << 70000 << 4464;
        QTest::newRow("negative beyond 16 bits") << -40000 << 25536;
        QTest::newRow("40000 as an element may report it") << 40000 << -25536;
        QTest::newRow("largest 32-bit value") << std::numeric_limits<qint32>::max() << -1;
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
        QTest::newRow("empty counts as zero") << "" << 0.0;
        QTest::newRow("no leading number counts as zero") << "abc" << 0.0;
        QTest::newRow("a lone minus is no number") << "-" << 0.0;
        QTest::newRow("negative integer") << "-32768" << -32768.0;
        QTest::newRow("explicit plus") << "+7" << 7.0;
        QTest::newRow("leading spaces are skipped") << "  12" << 12.0;
        QTest::newRow("digits followed by text") << "12abc" << 12.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("fraction without integer part") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("an e without digits is not an exponent") << "4e" << 4.0;
        QTest::newRow("32-bit value") << "2147483647" << 2147483647.0;
        QTest::newRow("hexadecimal is not decimal") << "0x10" << 0.0;
        QTest::newRow("infinity is not a number here") << "inf" << 0.0;
    }
    void readsTheLeadingNumberOfACell()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ValueText::leadingNumber(text), expected);
    }

    void aHugeExponentSaturatesInsteadOfFailing()
    {
        QCOMPARE(ValueText::leadingNumber("1e999"), std::numeric_limits<double>::infinity());
        QCOMPARE(ValueText::leadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
        QCOMPARE(ValueText::leadingNumber("1e-999"), 0.0);
    }

    void writesRealsAsPlainDecimalText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero has no sign") << -0.0 << "0";
        QTest::newRow("smallest 16-bit") << -32768.0 << "-32768";
        QTest::newRow("largest 16-bit") << 32767.0 << "32767";
        QTest::newRow("more than six digits stay plain") << 2147483647.0 << "2147483647";
        QTest::newRow("smallest 32-bit") << -2147483648.0 << "-2147483648";
        QTest::newRow("a fraction keeps its point") << 2.5 << "2.5";
    }
    void writesRealsAsPlainDecimalText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(ValueText::realText(value), expected);
    }

    void valuesRoundTripThroughTheirText()
    {
        for (qint64 value : {-2147483648LL, -32768LL, -1LL, 0LL, 1LL, 255LL, 40000LL}) {
            const QString text = ValueText::integerText(value);
            QCOMPARE(ValueText::realText(ValueText::leadingNumber(text)), text);
        }
    }

    void clampsDoublesIntoThe32BitRange_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("in range") << 120.0 << 120;
        QTest::newRow("fraction is dropped") << 120.9 << 120;
        QTest::newRow("negative fraction towards zero") << -120.9 << -120;
        QTest::newRow("far above") << 1e12 << std::numeric_limits<qint32>::max();
        QTest::newRow("far below") << -1e12 << std::numeric_limits<qint32>::min();
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity()
                                  << std::numeric_limits<qint32>::max();
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

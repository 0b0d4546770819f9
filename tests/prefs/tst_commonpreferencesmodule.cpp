#include "prefs/CommonPreferencesModule.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <sys/stat.h>

using namespace CommonPreferencesModule;

namespace {

QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &content)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

} // namespace

class TestCommonPreferencesModule : public QObject {
    Q_OBJECT

private slots:
    void init() { release(); }

    void parsesOneLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isEntry");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        QTest::newRow("empty line") << "" << false << ""
                                    << "";
        QTest::newRow("comment holding an entry") << "#MAINWINDOWLEFT = 5" << false << ""
                                                  << "";
        QTest::newRow("space before # is an entry") << " #KEY = 5" << true << "#KEY"
                                                    << "5";
        QTest::newRow("tab before # without =") << "\t# note" << true << ""
                                                << "# note";
        QTest::newRow("no spaces around =") << "KEY=5" << true << "KEY"
                                            << "5";
        QTest::newRow("extra spaces and tabs") << " \t KEY \t=\t 5 \t" << true << "KEY"
                                               << "5";
        QTest::newRow("two = signs") << "KEY = a = b" << true << "KEY"
                                     << "a = b";
        QTest::newRow("nothing after =") << "KEY =" << true << "KEY"
                                         << "";
        QTest::newRow("only spaces after =") << "KEY =    " << true << "KEY"
                                             << "";
        QTest::newRow("line of spaces") << "     " << true << ""
                                        << "";
        QTest::newRow("no = at all") << "  just words  " << true << ""
                                     << "just words";
        QTest::newRow("nothing before =") << "= 5" << true << ""
                                          << "5";
        QTest::newRow("text beyond ASCII")
            << QStringLiteral("NAME = Quillomat \u00e9\u2603") << true << "NAME"
            << QStringLiteral("Quillomat \u00e9\u2603");
    }
    void parsesOneLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, isEntry);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const std::optional<Entry> entry = parseLine(line);
        QCOMPARE(entry.has_value(), isEntry);
        if (entry) {
            QCOMPARE(entry->key, key);
            QCOMPARE(entry->value, value);
        }
    }

    void readsEveryLineEnding_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("LF") << QByteArray("LEFT = 120\nFLAG = True\nNAME = x\n");
        QTest::newRow("CR LF") << QByteArray("LEFT = 120\r\nFLAG = True\r\nNAME = x\r\n");
        QTest::newRow("CR") << QByteArray("LEFT = 120\rFLAG = True\rNAME = x\r");
        QTest::newRow("no final line end") << QByteArray("LEFT = 120\nFLAG = True\nNAME = x");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbfLEFT = 120\nFLAG = True\n"
                                                       "NAME = x\n");
        QTest::newRow("blank lines and comments")
            << QByteArray("\n# written by hand\nLEFT = 120\n\n\nFLAG = True\r\n\r\nNAME = x\n");
    }
    void readsEveryLineEnding()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        loadFile(writeFile(folder, "prefs", content));
        QVERIFY(isFileLoaded());
        QCOMPARE(getDoubleOfVariable("LEFT"), 120.0);
        QVERIFY(getBooleanOfVariable("FLAG"));
        QVERIFY(isValueOfVariableDefined("NAME"));
    }

    void laterLinesAndLaterLoadsWin()
    {
        QTemporaryDir folder;
        loadFile(writeFile(folder, "first", "A = 1\nB = 1\nA = 2\n"));
        QCOMPARE(getDoubleOfVariable("A"), 2.0);

        // A second load adds to the table and overrides equal keys.
        loadFile(writeFile(folder, "second", "B = 3\nC = 4\n"));
        QCOMPARE(getDoubleOfVariable("A"), 2.0);
        QCOMPARE(getDoubleOfVariable("B"), 3.0);
        QCOMPARE(getDoubleOfVariable("C"), 4.0);

        // A load that fails keeps the table but is not loaded.
        loadFile(folder.filePath("missing"));
        QVERIFY(!isFileLoaded());
        QCOMPARE(getDoubleOfVariable("B"), 3.0);
    }

    void nothingToReadLoadsNothing_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("no path") << "";
        QTest::newRow("missing file") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("named pipe") << "pipe";
    }
    void nothingToReadLoadsNothing()
    {
        QFETCH(QString, what);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("folder"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0600), 0);
        // A pipe with no writer would block a reader forever.
        loadFile(what.isEmpty() ? QString() : folder.filePath(what));
        QVERIFY(!isFileLoaded());
        QVERIFY(!isValueOfVariableDefined("A"));
        QVERIFY(!getBooleanOfVariable("A"));
        QCOMPARE(getDoubleOfVariable("A"), 0.0);
    }

    void emptyFileIsLoaded()
    {
        QTemporaryDir folder;
        loadFile(writeFile(folder, "prefs", ""));
        QVERIFY(isFileLoaded());
        QVERIFY(!isValueOfVariableDefined("A"));
    }

    void onlyTrueIsTrue_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("expected");
        QTest::newRow("True") << QByteArray("True") << true;
        QTest::newRow("True with spaces around") << QByteArray("   True  ") << true;
        QTest::newRow("False") << QByteArray("False") << false;
        QTest::newRow("lower case") << QByteArray("true") << false;
        QTest::newRow("upper case") << QByteArray("TRUE") << false;
        QTest::newRow("yes") << QByteArray("yes") << false;
        QTest::newRow("on") << QByteArray("on") << false;
        QTest::newRow("digit") << QByteArray("1") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("True and more") << QByteArray("True!") << false;
    }
    void onlyTrueIsTrue()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, expected);
        QTemporaryDir folder;
        loadFile(writeFile(folder, "prefs", "FLAG =" + value + "\n"));
        QCOMPARE(getBooleanOfVariable("FLAG"), expected);
    }

    void convertsTextToNumbers_data()
    {
        constexpr double infinity = std::numeric_limits<double>::infinity();
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("integer") << "120" << 120.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("fraction") << "350.75" << 350.75;
        QTest::newRow("exponent") << "1e12" << 1e12;
        QTest::newRow("number then text") << "12px" << 12.0;
        QTest::newRow("comma is no separator") << "3,5" << 3.0;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("two signs") << "+-5" << 0.0;
        QTest::newRow("inf") << "inf" << infinity;
        QTest::newRow("-inf") << "-inf" << -infinity;
        QTest::newRow("overflow") << "1e999" << infinity;
        QTest::newRow("underflow") << "1e-999" << 0.0;
    }
    void convertsTextToNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(doubleFromText(text), expected);
    }

    void nanIsANumber() { QVERIFY(std::isnan(doubleFromText("nan"))); }

    void booleansAsText()
    {
        QCOMPARE(getStringFromBoolean(true), QStringLiteral("True"));
        QCOMPARE(getStringFromBoolean(false), QStringLiteral("False"));
    }
};

QTEST_APPLESS_MAIN(TestCommonPreferencesModule)
#include "tst_commonpreferencesmodule.moc"

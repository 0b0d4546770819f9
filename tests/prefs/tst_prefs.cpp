#include "app/ApplicationServices.h"
#include "prefs/CheckForUpdateContainerControl.h"
#include "prefs/CommonPreferencesModule.h"
#include "prefs/PreferencesModule.h"
#include "prefs/PreferencesWindow.h"
#include "prefs/ResetPreferencesContainerControl.h"
#include "support/Files.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QDir>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdint>
#include <dlfcn.h>
#include <sys/stat.h>
#include <tuple>

using namespace CommonPreferencesModule;
using namespace PreferencesModule;

namespace {
const QStringList noFolder{"The \"Preferences\" folder does not exist."};
const QStringList notCreated{"The preferences file could not be created."};
using Settings = QList<int>; // left, top, width, height, update check
const Settings defaults{-1, -1, -1, -1, 0};
bool refuseExtendedAttributes = false;
} // namespace

// Stands in front of the C library's function, to refuse extended attributes
// the way some file systems do.
extern "C" int fsetxattr(int fd, const char *name, const void *value, size_t size,
                         int flags) noexcept
{
    static const auto next = reinterpret_cast<decltype(&fsetxattr)>(dlsym(RTLD_NEXT, "fsetxattr"));
    return refuseExtendedAttributes ? (errno = ENOTSUP, -1) : next(fd, name, value, size, flags);
}

class TestPrefs : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> root_;
    QString folder_, file_;

    void useConfigHome(const QString &name)
    {
        folder_ = root_->filePath(name);
        file_ = folder_ + "/Quillomat";
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_));
    }
    QString write(const QByteArray &content)
    {
        QFile file(file_);
        if (QDir().mkpath(folder_) && file.open(QIODevice::WriteOnly))
            file.write(content);
        return file_;
    }
    // A new run: settings unlike any default, then whatever the file gives.
    static Settings reload()
    {
        mainWindowLeft = mainWindowTop = mainWindowWidth = mainWindowHeight = 7;
        checkForUpdate = true;
        release();
        loadPreferences();
        return {mainWindowLeft, mainWindowTop, mainWindowWidth, mainWindowHeight, checkForUpdate};
    }

private slots:
    // Each case is a new run, its preferences folder not made yet.
    void init()
    {
        root_.emplace();
        useConfigHome("home/.config");
        release();
        resetPreferences = refuseExtendedAttributes = false;
    }

    // The reader of "key = value" files.

    void parsesOneLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("entry"); // key and value, or nothing
        QTest::newRow("comment") << "#KEY = 5" << QStringList();
        QTest::newRow("empty line") << "" << QStringList();
        QTest::newRow("# after a space") << " #KEY = 5" << QStringList{"#KEY", "5"};
        QTest::newRow("spaces and tabs") << " \t KEY \t=\t 5 \t" << QStringList{"KEY", "5"};
        QTest::newRow("two =") << "KEY = a = b" << QStringList{"KEY", "a = b"};
        QTest::newRow("empty value") << "KEY =   " << QStringList{"KEY", ""};
        QTest::newRow("line of spaces") << "     " << QStringList{"", ""};
        QTest::newRow("no =") << "  just words  " << QStringList{"", "just words"};
    }
    void parsesOneLine()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, entry);
        const std::optional<Entry> parsed = parseLine(line);
        QCOMPARE((parsed ? QStringList{parsed->key, parsed->value} : QStringList()), entry);
    }

    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("defined");
        QTest::addColumn<bool>("isTrue");
        QTest::addColumn<double>("number");
        QTest::newRow("CR line ends") << QByteArray("A = 1\rK = True\r") << true << true << 0.0;
        QTest::newRow("no final line end") << QByteArray("A = 1\nK = True") << true << true << 0.0;
        QTest::newRow("BOM") << QByteArray("\xef\xbb\xbfK = True") << true << true << 0.0;
        QTest::newRow("later line wins") << QByteArray("K = True\nK = 5") << true << false << 5.0;
        QTest::newRow("empty value") << QByteArray("K =  ") << false << false << 0.0;
        QTest::newRow("true") << QByteArray("K = true") << true << false << 0.0;
        QTest::newRow("True!") << QByteArray("K = True!") << true << false << 0.0;
        QTest::newRow("plus sign") << QByteArray("K = +7") << true << false << 7.0;
        QTest::newRow("comma, text") << QByteArray("K = 3,5px") << true << false << 3.0;
        QTest::newRow("overflow") << QByteArray("K = 1e999") << true << false << qInf();
        QTest::newRow("underflow") << QByteArray("K = -1e-999") << true << false << 0.0;
        // Which way the range was left depends on the magnitude, not on "e-".
        QTest::newRow("tiny without exponent")
            << "K = 0." + QByteArray(400, '0') + "1" << true << false << 0.0;
        QTest::newRow("huge with a negative exponent")
            << "K = 1" + QByteArray(400, '0') + "e-5" << true << false << qInf();
        QTest::newRow("huge negative, point and exponent")
            << QByteArray("K = -12.5e999") << true << false << -qInf();
    }
    void readsValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, defined);
        QFETCH(bool, isTrue);
        QFETCH(double, number);
        loadFile(write(content));
        QVERIFY(isFileLoaded());
        QCOMPARE(isValueOfVariableDefined("K"), defined);
        QCOMPARE(getBooleanOfVariable("K"), isTrue);
        QCOMPARE(getDoubleOfVariable("K"), number);
    }

    // Our own file is a few lines: a longer one is someone else's.
    void readsAtMost64KiB_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("64 KiB") << 64 * 1024 << true;
        QTest::newRow("one byte more") << 64 * 1024 + 1 << false;
    }
    void readsAtMost64KiB()
    {
        QFETCH(int, length);
        QFETCH(bool, loaded);
        const QByteArray entry = "K = True\n#";
        loadFile(write(entry + QByteArray(length - entry.size(), 'x')));
        QCOMPARE(isFileLoaded(), loaded);
        QCOMPARE(getBooleanOfVariable("K"), loaded);
    }

    void skipsAPipe()
    {
        // One with no writer would block a reader forever.
        QVERIFY(QDir().mkpath(folder_));
        QCOMPARE(::mkfifo(QFile::encodeName(file_).constData(), 0600), 0);
        loadFile(file_);
        QVERIFY(!isFileLoaded());
    }

    // The application's preferences file.

    void savesLoadsBackAndResets()
    {
        MessageRecorder recorder;
        std::tie(mainWindowLeft, mainWindowTop, mainWindowWidth, mainWindowHeight, checkForUpdate) =
            std::tuple(INT32_MIN, -32, 1024, INT32_MAX, true);
        savePreferences();
        QCOMPARE(readFile(file_), "APPLICATIONNAME = Quillomat\nAPPLICATIONVERSION = " +
                                      applicationVersionText().toUtf8() +
                                      "\nMAINWINDOWLEFT = -2147483648\nMAINWINDOWTOP = -32\n"
                                      "MAINWINDOWWIDTH = 1024\nMAINWINDOWHEIGHT = 2147483647\n"
                                      "CHECKFORUPDATE = True\n");
        // Every folder made on the way is the owner's only (mode 0700).
        for (const QString &created : {root_->filePath("home"), folder_})
            QCOMPARE(int(QFile::permissions(created) & 0x7077), 0x7000);
        QCOMPARE(reload(), (Settings{INT32_MIN, -32, 1024, INT32_MAX, 1}));

        // A reset empties the file, here where extended attributes are refused:
        // the file goes without them, silently.
        resetPreferences = refuseExtendedAttributes = true;
        savePreferences();
        QCOMPARE(readFile(file_), QByteArray());
        QCOMPARE(reload(), defaults);
        QCOMPARE(recorder.messages, QStringList());
    }

    void clampsStoredNumbers()
    {
        write("MAINWINDOWLEFT = 1e12\nMAINWINDOWTOP = -1e12\nMAINWINDOWWIDTH = inf\n"
              "MAINWINDOWHEIGHT = nan\nCHECKFORUPDATE = true\n");
        QCOMPARE(reload(), (Settings{INT32_MAX, INT32_MIN, INT32_MAX, -1, 0}));
    }

    void aFailedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<bool>("fileIsAFolder");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("folder is a file") << "c/Quillomat" << false << -1 << noFolder + noFolder;
        QTest::newRow("file above folder") << "c/Quillomat/x" << false << -1 << noFolder + noFolder;
        QTest::newRow("file's path is a folder") << "c" << true << -1 << notCreated;
        QTest::newRow("full disk") << "c" << false << 16 << notCreated;
    }
    void aFailedSaveKeepsWhatWasThere()
    {
        QFETCH(QString, configHome);
        QFETCH(bool, fileIsAFolder);
        QFETCH(int, fileSizeLimit);
        QFETCH(QStringList, messages);
        useConfigHome("c");
        QVERIFY(QDir().mkpath(fileIsAFolder ? file_ : folder_));
        if (!fileIsAFolder)
            savePreferences();
        const QByteArray earlier = readFile(file_);
        useConfigHome(configHome);
        MessageRecorder recorder;
        reload();
        checkForUpdate = !checkForUpdate;
        {
            const FileSizeLimit limit(fileSizeLimit < 0 ? RLIM_INFINITY : rlim_t(fileSizeLimit));
            savePreferences();
        }
        QCOMPARE(recorder.messages, messages);
        QCOMPARE(readFile(root_->filePath("c/Quillomat")), earlier);
        // Nothing half-written is left beside it.
        QCOMPARE(QDir(root_->filePath("c"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"Quillomat"});
    }

    void preferencesWindow()
    {
        QMainWindow parent;
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        PreferencesWindow *window = nullptr;
        QCheckBox *update = nullptr, *reset = nullptr;
        const auto open = [&] {
            PreferencesWindow::showWithin(&parent);
            window = PreferencesWindow::existing();
            update = window->mainCheckForUpdateContainerControl()->checkCheckBox();
            reset = window->mainResetPreferencesContainerControl()->resetCheckBox();
            return QTest::qWaitForWindowExposed(window);
        };
        // Where the user clicks: on the box itself, left of the text.
        const auto click = [](QCheckBox *box) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        };
        checkForUpdate = true;
        QVERIFY(open());
        QVERIFY(update->isChecked() && !reset->isChecked());
        QCOMPARE(window->parentWidget(), &parent);
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        click(reset);
        QVERIFY(checkForUpdate && resetPreferences);
        click(update);
        QVERIFY(!checkForUpdate && resetPreferences);
        window->okPushButton()->click();
        QTRY_VERIFY(!PreferencesWindow::existing());

        // A new window shows what memory holds now; unticking takes effect too.
        QVERIFY(open());
        QVERIFY(!update->isChecked() && reset->isChecked());
        click(reset);
        click(update);
        QVERIFY(checkForUpdate && !resetPreferences);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->close());
        QTest::qWait(50);
        QVERIFY(PreferencesWindow::existing() == window && window->isVisible());
        // Ok is the default button: Return works wherever the focus is.
        QTest::keyClick(reset, Qt::Key_Return);
        QTRY_VERIFY(!PreferencesWindow::existing());
    }
};

QUILLOMAT_TEST_MAIN(TestPrefs)
#include "tst_prefs.moc"

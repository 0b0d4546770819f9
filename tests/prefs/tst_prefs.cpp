#include "prefs/CommonPreferencesModule.h"
#include "prefs/PreferencesModule.h"
#include "prefs/PreferencesWindow.h"
#include "support/TestApp.h"

#include <dlfcn.h>
#include <sys/stat.h>

using namespace CommonPreferencesModule;
using namespace PreferencesModule;

namespace {
const QStringList noFolder{"The \"Preferences\" folder does not exist."};
const QStringList notCreated{"The preferences file could not be created."};
using Settings = QList<int>; // left, top, width, height, update check
const Settings defaults{-1, -1, -1, -1, 0};
bool refuseExtendedAttributes = false;
QStringList stampedAttributes;
} // namespace

// Stands in front of the C library's function, to refuse extended attributes
// the way some file systems do.
extern "C" int fsetxattr(int fd, const char *name, const void *value, size_t size,
                         int flags) noexcept
{
    static const auto next = reinterpret_cast<decltype(&fsetxattr)>(dlsym(RTLD_NEXT, "fsetxattr"));
    stampedAttributes.append(name + QString('=') +
                             QByteArray(static_cast<const char *>(value), size));
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
        stampedAttributes.clear();
    }

    // The reader of "key = value" files: what one line gives (key and value,
    // or nothing), then what a whole file gives.
    void parsesOneLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("entry");
        const char *rows[][3] = {
            {"comment", "#KEY = 5", "-"},
            {"empty line", "", "-"},
            {"# after a space", " #KEY = 5", "#KEY|5"},
            {"spaces, tabs", " \t K \t=\t 5 \t", "K|5"},
            {"two =", "K = a = b", "K|a = b"},
            {"empty value", "K =   ", "K|"},
            {"line of spaces", "     ", "|"},
            {"no =", "  just words  ", "|just words"},
            {"= first", "= 5", "|5"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2];
    }
    void parsesOneLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, entry);
        const std::optional<Entry> parsed = parseLine(line);
        QCOMPARE(parsed ? parsed->key + '|' + parsed->value : "-", entry);
    }

    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected"); // loaded, defined, True, number
        const QByteArray entry = "K = True\n#";
        const struct {
            const char *tag;
            QByteArray content;
            const char *expected;
        } rows[] = {
            {"CR line ends", "A = 1\rK = True\r", "1 1 1 0"},
            {"CR LF line ends", "A = 1\r\nK = True\r\nB = 2\r\n", "1 1 1 0"},
            {"no final line end", "A = 1\nK = True", "1 1 1 0"},
            {"BOM", "\xef\xbb\xbfK = True", "1 1 1 0"},
            {"later line wins", "K = True\nK = 5", "1 1 0 5"},
            {"empty value", "K =  ", "1 0 0 0"},
            {"true", "K = true", "1 1 0 0"},
            {"True!", "K = True!", "1 1 0 0"},
            {"the number before any text", "K = +3,5px", "1 1 0 3"},
            // Our own file is a few lines: a longer one is someone else's; a
            // pipe with no writer would block a reader forever.
            {"64 KiB", entry + QByteArray(64 * 1024 - entry.size(), 'x'), "1 1 1 0"},
            {"one byte more", entry + QByteArray(64 * 1024 + 1 - entry.size(), 'x'), "0 0 0 0"},
            {"a pipe", "(pipe)", "0 0 0 0"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.tag) << row.content << row.expected;
    }
    void readsValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QVERIFY(QDir().mkpath(folder_));
        if (content == "(pipe)")
            QCOMPARE(::mkfifo(QFile::encodeName(file_).constData(), 0600), 0);
        loadFile(content == "(pipe)" ? file_ : write(content));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(isFileLoaded())
                     .arg(isValueOfVariableDefined("K"))
                     .arg(getBooleanOfVariable("K"))
                     .arg(getDoubleOfVariable("K")),
                 expected);
    }

    // The application's preferences file.

    void savesLoadsBackAndResets()
    {
        MessageRecorder recorder;
        std::tie(mainWindowLeft, mainWindowTop, mainWindowWidth, mainWindowHeight, checkForUpdate) =
            std::tuple(INT32_MIN, -32, 1024, INT32_MAX, true);
        savePreferences();
        // Marked with its type and creator, where the file system takes it.
        QCOMPARE(stampedAttributes, (QStringList{"user.filetype=pref", "user.creator=QLMT"}));
        QCOMPARE(readFile(file_), "APPLICATIONNAME = Quillomat\nAPPLICATIONVERSION = 1.0"
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
        QPointer<PreferencesWindow> window;
        // As the user ticks the boxes: the focus on each, then Space. Each
        // state as "update check, reset": the boxes, then the settings.
        const auto pressBoth = [&window] {
            for (auto *box : window->findChildren<QCheckBox *>()) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Space);
            }
            return QStringLiteral("%1 %2, %3 %4")
                .arg(window->findChild<QCheckBox *>("CheckCheckBox")->isChecked())
                .arg(window->findChild<QCheckBox *>("ResetCheckBox")->isChecked())
                .arg(checkForUpdate)
                .arg(resetPreferences);
        };
        checkForUpdate = true;
        PreferencesWindow::showWithin(&parent);
        window = parent.findChild<PreferencesWindow *>();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->windowModality() == Qt::WindowModal &&
                window->windowTitle() == "Preferences");
        QCOMPARE(pressBoth(), "0 1, 0 1");
        window->findChild<QPushButton *>("OkPushButton")->click();
        QTRY_VERIFY(!window);

        // A new window shows what memory holds now; Preferences... while it
        // is open brings the same window forward.
        PreferencesWindow::showWithin(&parent);
        window = parent.findChild<PreferencesWindow *>();
        QVERIFY(QTest::qWaitForWindowActive(window));
        parent.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &parent);
        PreferencesWindow::showWithin(&parent);
        QTRY_COMPARE(QApplication::activeWindow(), window.data());
        QCOMPARE(parent.findChildren<PreferencesWindow *>().size(), 1);
        QCOMPARE(pressBoth(), "1 0, 1 0");
        // The desktop's close request leaves it open; Escape closes it as Ok does,
        // and Ok is the default button: Return works wherever the focus is.
        QVERIFY(!window->close());
        QCoreApplication::processEvents();
        QVERIFY(window && window->isVisible());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
        PreferencesWindow::showWithin(&parent);
        window = parent.findChild<PreferencesWindow *>();
        QTest::keyClick(window->findChild<QCheckBox *>("ResetCheckBox"), Qt::Key_Return);
        QTRY_VERIFY(!window);
    }

    // Last: the program is quitting afterwards. The desktop's request to quit
    // saves the preferences.
    void theDesktopsQuitRequestSavesThePreferences()
    {
        mainWindowLeft = 12;
        QCoreApplication::postEvent(App::instance(), new QEvent(QEvent::Quit));
        QTRY_VERIFY(App::instance()->isQuitting());
        QVERIFY(readFile(file_).contains("\nMAINWINDOWLEFT = 12\n"));
    }
};

QUILLOMAT_TEST_MAIN(TestPrefs)
#include "tst_prefs.moc"

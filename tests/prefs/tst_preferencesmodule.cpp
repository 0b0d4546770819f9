#include "app/ApplicationServices.h"
#include "prefs/CommonPreferencesModule.h"
#include "prefs/PreferencesModule.h"
#include "support/Files.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

const QString folderMissing = QStringLiteral("The \"Preferences\" folder does not exist.");
const QString notCreated = QStringLiteral("The preferences file could not be created.");

// Makes every file system refuse extended attributes, the way some do.
bool refuseExtendedAttributes = false;

} // namespace

// Stands in front of the C library's function for this test program only.
extern "C" int fsetxattr(int fd, const char *name, const void *value, size_t size,
                         int flags) noexcept
{
    if (refuseExtendedAttributes) {
        errno = ENOTSUP;
        return -1;
    }
    using Function = int (*)(int, const char *, const void *, size_t, int);
    static const auto next = reinterpret_cast<Function>(dlsym(RTLD_NEXT, "fsetxattr"));
    return next(fd, name, value, size, flags);
}

namespace {

bool writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray attribute(const QString &path, const char *name)
{
    char value[64] = {};
    const ssize_t size =
        ::getxattr(QFile::encodeName(path).constData(), name, value, sizeof value - 1);
    return size < 0 ? QByteArray("(none)") : QByteArray(value, static_cast<int>(size));
}

struct Settings {
    std::int32_t left, top, width, height;
    bool checkForUpdate;
    bool operator==(const Settings &) const = default;
};

Settings current()
{
    using namespace PreferencesModule;
    return {mainWindowLeft, mainWindowTop, mainWindowWidth, mainWindowHeight, checkForUpdate};
}

void setCurrent(const Settings &settings)
{
    using namespace PreferencesModule;
    mainWindowLeft = settings.left;
    mainWindowTop = settings.top;
    mainWindowWidth = settings.width;
    mainWindowHeight = settings.height;
    checkForUpdate = settings.checkForUpdate;
}

char *toString(const Settings &s)
{
    return QTest::toString(QStringLiteral("left %1 top %2 width %3 height %4 update %5")
                               .arg(s.left)
                               .arg(s.top)
                               .arg(s.width)
                               .arg(s.height)
                               .arg(s.checkForUpdate));
}

const Settings defaults{-1, -1, -1, -1, false};

} // namespace

Q_DECLARE_METATYPE(Settings)

class TestPreferencesModule : public QObject {
    Q_OBJECT

    QTemporaryDir *root_ = nullptr;
    QString folder_;
    QString file_;

    // Where the preferences folder goes; nothing is created here.
    void useConfigHome(const QString &configHome)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
        folder_ = configHome;
        file_ = QDir(configHome).filePath(ApplicationNameMBS(App::instance()));
    }

private slots:
    // Each case is a new run: no table, settings unlike any default, and a
    // preferences folder that does not exist yet.
    void init()
    {
        root_ = new QTemporaryDir;
        QVERIFY(root_->isValid());
        useConfigHome(root_->filePath("config"));
        CommonPreferencesModule::release();
        setCurrent({7, 7, 7, 7, true});
        PreferencesModule::resetPreferences = false;
        refuseExtendedAttributes = false;
    }
    void cleanup()
    {
        delete root_;
        root_ = nullptr;
    }

    void loadsStoredSettings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Settings>("expected");

        QTest::newRow("no file") << QByteArray() << defaults;
        QTest::newRow("empty file") << QByteArray("") << defaults;
        QTest::newRow("only the left edge")
            << QByteArray("MAINWINDOWLEFT = 120\n") << Settings{120, -1, -1, -1, false};
        QTest::newRow("a written file")
            << QByteArray("APPLICATIONNAME = Quillomat\nAPPLICATIONVERSION = 1.0\n"
                          "MAINWINDOWLEFT = -40\nMAINWINDOWTOP = 30\nMAINWINDOWWIDTH = 350\n"
                          "MAINWINDOWHEIGHT = 400\nCHECKFORUPDATE = True\n")
            << Settings{-40, 30, 350, 400, true};
        QTest::newRow("fractions dropped")
            << QByteArray("MAINWINDOWWIDTH = 350.9\nMAINWINDOWHEIGHT = -20.7\n")
            << Settings{-1, -1, 350, -20, false};
        QTest::newRow("spaces only count as missing")
            << QByteArray("MAINWINDOWLEFT =    \nMAINWINDOWTOP =\n") << defaults;
        QTest::newRow("beyond 32 bits clamped")
            << QByteArray("MAINWINDOWLEFT = 1e12\nMAINWINDOWTOP = -1e12\n"
                          "MAINWINDOWWIDTH = inf\nMAINWINDOWHEIGHT = -inf\n")
            << Settings{int32Max, int32Min, int32Max, int32Min, false};
        QTest::newRow("nan counts as not set")
            << QByteArray("MAINWINDOWLEFT = nan\nMAINWINDOWTOP = 5\n")
            << Settings{-1, 5, -1, -1, false};
        QTest::newRow("off screen and zero kept")
            << QByteArray("MAINWINDOWLEFT = -5000\nMAINWINDOWWIDTH = 0\nMAINWINDOWTOP = abc\n")
            << Settings{-5000, 0, 0, -1, false};
        QTest::newRow("update check other than True")
            << QByteArray("CHECKFORUPDATE = true\n") << defaults;
        QTest::newRow("later line wins")
            << QByteArray("CHECKFORUPDATE = True\nCHECKFORUPDATE = False\n") << defaults;
    }
    void loadsStoredSettings()
    {
        QFETCH(QByteArray, content);
        QFETCH(Settings, expected);
        if (!content.isNull()) {
            QVERIFY(QDir().mkpath(folder_));
            QVERIFY(writeAll(file_, content));
        }
        MessageRecorder recorder;
        PreferencesModule::loadPreferences();
        QCOMPARE(current(), expected);
        QCOMPARE(recorder.messages, QStringList());
    }

    void writesTheSevenLines()
    {
        setCurrent({-1, -32, 1024, int32Max, true});
        MessageRecorder recorder;
        PreferencesModule::savePreferences();
        QCOMPARE(recorder.messages, QStringList());
        const QByteArray expected = "APPLICATIONNAME = Quillomat\nAPPLICATIONVERSION = " +
                                    applicationVersionText().toUtf8() +
                                    "\nMAINWINDOWLEFT = -1\nMAINWINDOWTOP = -32\n"
                                    "MAINWINDOWWIDTH = 1024\nMAINWINDOWHEIGHT = 2147483647\n"
                                    "CHECKFORUPDATE = True\n";
        QCOMPARE(readFile(file_), expected);
        QVERIFY(QRegularExpression("^\\d+\\.\\d+$").match(applicationVersionText()).hasMatch());
    }

    void whatIsSavedLoadsBack()
    {
        const Settings saved{int32Min, -1, 0, 640, false};
        setCurrent(saved);
        MessageRecorder recorder;
        PreferencesModule::savePreferences();
        setCurrent({1, 2, 3, 4, true});
        CommonPreferencesModule::release();
        PreferencesModule::loadPreferences();
        QCOMPARE(current(), saved);
        QCOMPARE(recorder.messages, QStringList());
    }

    void aResetLeavesAnEmptyFile()
    {
        MessageRecorder recorder;
        setCurrent({10, 20, 300, 400, true});
        PreferencesModule::savePreferences();
        QVERIFY(QFileInfo(file_).size() > 0);

        PreferencesModule::resetPreferences = true;
        PreferencesModule::savePreferences();
        QVERIFY(QFileInfo(file_).isFile());
        QCOMPARE(QFileInfo(file_).size(), 0);
        QCOMPARE(attribute(file_, PreferencesModule::fileTypeAttribute), QByteArray("pref"));

        // The next run starts from defaults and says nothing.
        CommonPreferencesModule::release();
        PreferencesModule::resetPreferences = false;
        PreferencesModule::loadPreferences();
        QCOMPARE(current(), defaults);
        QCOMPARE(recorder.messages, QStringList());
    }

    void marksTheFileWithTypeAndCreator()
    {
        MessageRecorder recorder;
        PreferencesModule::savePreferences();
        QCOMPARE(attribute(file_, PreferencesModule::fileTypeAttribute), QByteArray("pref"));
        QCOMPARE(attribute(file_, PreferencesModule::creatorAttribute),
                 ApplicationCreatorCodeMBS(App::instance()).toUtf8());

        // Where the file system refuses them the file goes without, silently.
        refuseExtendedAttributes = true;
        setCurrent({5, 5, 5, 5, false});
        QFile::remove(file_);
        PreferencesModule::savePreferences();
        QCOMPARE(recorder.messages, QStringList());
        QVERIFY(readFile(file_).contains("MAINWINDOWLEFT = 5\n"));
        QCOMPARE(attribute(file_, PreferencesModule::fileTypeAttribute), QByteArray("(none)"));
    }

    void createsAMissingFolderPrivately()
    {
        useConfigHome(root_->filePath("home/.config"));
        MessageRecorder recorder;
        PreferencesModule::loadPreferences();
        QCOMPARE(recorder.messages, QStringList());
        QCOMPARE(current(), defaults);
        for (const QString &created : {root_->filePath("home"), folder_}) {
            struct stat info = {};
            QCOMPARE(::stat(QFile::encodeName(created).constData(), &info), 0);
            QVERIFY(S_ISDIR(info.st_mode));
            QCOMPARE(info.st_mode & 07777, mode_t(0700));
        }
        PreferencesModule::savePreferences();
        QVERIFY(readFile(file_).startsWith("APPLICATIONNAME = Quillomat\n"));
        QCOMPARE(recorder.messages, QStringList());
    }

    void noFolderToBeHad_data()
    {
        QTest::addColumn<QString>("configHome");
        QTest::newRow("the folder is a file") << "blocker";
        QTest::newRow("a file above the folder") << "blocker/config";
    }
    void noFolderToBeHad()
    {
        QFETCH(QString, configHome);
        QVERIFY(writeAll(root_->filePath("blocker"), "not a folder"));
        useConfigHome(root_->filePath(configHome));
        MessageRecorder recorder;
        PreferencesModule::loadPreferences();
        QCOMPARE(recorder.messages, QStringList{folderMissing});
        QCOMPARE(current(), defaults);

        PreferencesModule::savePreferences();
        QCOMPARE(recorder.messages, (QStringList{folderMissing, folderMissing}));
        QCOMPARE(readFile(root_->filePath("blocker")), QByteArray("not a folder"));
    }

    void aFailedWriteKeepsTheEarlierFile_data()
    {
        QTest::addColumn<bool>("pathIsAFolder");
        QTest::addColumn<bool>("reset");
        QTest::newRow("the file's path is a folder") << true << false;
        QTest::newRow("the file's path is a folder, reset asked") << true << true;
        QTest::newRow("full disk") << false << false;
    }
    void aFailedWriteKeepsTheEarlierFile()
    {
        QFETCH(bool, pathIsAFolder);
        QFETCH(bool, reset);
        QVERIFY(QDir().mkpath(folder_));
        const QByteArray earlier = "MAINWINDOWLEFT = 1\n";
        if (pathIsAFolder)
            QVERIFY(QDir().mkpath(file_));
        else
            QVERIFY(writeAll(file_, earlier));

        PreferencesModule::resetPreferences = reset;
        MessageRecorder recorder;
        {
            const FileSizeLimit limit(pathIsAFolder ? RLIM_INFINITY : 16);
            PreferencesModule::savePreferences();
        }
        QCOMPARE(recorder.messages, QStringList{notCreated});
        if (pathIsAFolder)
            QVERIFY(QFileInfo(file_).isDir());
        else
            QCOMPARE(readFile(file_), earlier);
        // No temporary file is left behind.
        QCOMPARE(QDir(folder_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(file_).fileName()});
    }
};

QUILLOMAT_TEST_MAIN(TestPreferencesModule)
#include "tst_preferencesmodule.moc"

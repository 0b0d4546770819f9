#include "VirtualJoystick.h"
#include "prefs/PreferencesModule.h"
#include "support/Files.h"
#include "support/TestApp.h"
#include "tester/DeviceReport.h"
#include "tester/MainWindow.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <limits>
#include <optional>

namespace {

// A device name from a USB descriptor need not be ASCII: the report is UTF-8.
constexpr char bareName[] = "Manette Ünïcødé ☃";

// Each list row as "element|min|now|max", so one comparison checks the view.
QStringList listRows(const MainWindow *window)
{
    QStringList rows;
    const QTreeWidget *list = window->mainListBox();
    for (int index = 0; index < list->topLevelItemCount(); ++index) {
        const QTreeWidgetItem *row = list->topLevelItem(index);
        rows.append(QStringList{row->text(0), row->text(1), row->text(2), row->text(3)}.join('|'));
    }
    return rows;
}

void tick(MainWindow *window)
{
    VirtualJoystick::settle();
    window->MainTimer_Action();
}

// A one-element pad SDL cannot produce: its value goes beyond 16 bits.
class WidePad final : public GameInputManager, public GameInputDevice, public GameInputElement {
public:
    std::int32_t DeviceCount() const override { return 1; }
    GameInputDevice *Device(std::int32_t) override { return this; }
    QString Name() const override { return QStringLiteral("Wide"); }
    std::int32_t ElementCount() override { return 1; }
    GameInputElement *Element(std::int32_t) override { return this; }
    std::int32_t Value() const override { return value; }
    std::int32_t value = 40000;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    Seams defaultSeams_ = Seams::defaults();
    QStringList offeredNames_;

    void chooseFile(const QString &path)
    {
        App::instance()->seams().saveFileName = [this, path](QWidget *, const QString &name) {
            offeredNames_.append(name);
            return path;
        };
    }

    MainWindow *shownWindow()
    {
        MainWindow *window = MainWindow::instance();
        window->show();
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

private slots:
    void initTestCase()
    {
        if (VirtualJoystick::hostJoystickCount() > 0)
            QSKIP("this machine has game devices of its own; the expected lists would not hold");
    }

    void init()
    {
        App::instance()->seams() = defaultSeams_;
        PreferencesModule::mainWindowLeft = PreferencesModule::mainWindowTop = -1;
        PreferencesModule::mainWindowWidth = PreferencesModule::mainWindowHeight = -1;
        offeredNames_.clear();
    }

    void cleanup() { MainWindow::release(); }

    void twinPadsAreTwoRowsEachListingItsOwnElements()
    {
        VirtualJoystick first({"Test Pad", 3, 2, 1});
        VirtualJoystick second({"Test Pad", 2, 0, 0});
        first.setAxis(0, -32768);
        first.setButton(1, true);
        first.setHat(0, SDL_HAT_RIGHT);
        second.setAxis(1, 777);
        MainWindow *window = MainWindow::instance();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillomat"));
        QCOMPARE(window->mainPopupMenu()->count(), 2);
        QCOMPARE(window->mainPopupMenu()->currentIndex(), -1);
        QCOMPARE(listRows(window), QStringList{});
        QCOMPARE(window->mainTimer()->interval(), 100);
        QVERIFY(window->mainTimer()->isActive());

        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|-32768|-32768|-32768", "Axis 1|0|0|0", "Axis 2|0|0|0",
                              "Button 0|0|0|0", "Button 1|1|1|1", "Hat 0|2|2|2"}));
        window->mainPopupMenu()->setCurrentIndex(1);
        QCOMPARE(listRows(window), (QStringList{"Axis 0|0|0|0", "Axis 1|777|777|777"}));
    }

    void ticksWidenTheExtremesUntilTheDeviceIsPickedAgain()
    {
        VirtualJoystick pad({"Test Pad", 1, 1, 1});
        VirtualJoystick other({"Other Pad", 0, 1, 0});
        pad.setAxis(0, 128);
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);

        pad.setButton(0, true);
        pad.setAxis(0, -32768);
        pad.setHat(0, SDL_HAT_UP);
        tick(window);
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|-32768|-32768|128", "Button 0|0|1|1", "Hat 0|0|1|1"}));
        pad.setButton(0, false);
        pad.setAxis(0, 32767);
        pad.setHat(0, SDL_HAT_CENTERED);
        tick(window);
        pad.setAxis(0, 128);
        tick(window);
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|-32768|128|32767", "Button 0|0|0|1", "Hat 0|0|0|1"}));

        // Another device's rows replace these; the first pad is no longer read.
        window->mainPopupMenu()->setCurrentIndex(1);
        pad.setAxis(0, 12);
        tick(window);
        QCOMPARE(listRows(window), QStringList{"Button 0|0|0|0"});
        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|12|12|12", "Button 0|0|0|0", "Hat 0|0|0|0"}));
    }

    void theRunningTimerSamplesAndAnUnpluggedPadReadsAtRest()
    {
        auto pad = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"Loose Pad", 1, 0, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        pad->setAxis(0, -20000);
        QTRY_COMPARE_WITH_TIMEOUT(listRows(window), QStringList{"Axis 0|-20000|-20000|0"}, 2000);
        pad.reset();
        QTRY_COMPARE_WITH_TIMEOUT(listRows(window), QStringList{"Axis 0|-20000|0|0"}, 2000);
    }

    void valuesBeyond16BitsShowInFullUntilTheFirstTick()
    {
        WidePad pad;
        App::instance()->seams().createGameInputManager = [&pad] {
            // The window owns its manager; this one lives in the test.
            struct Borrowed final : GameInputManager {
                WidePad *pad;
                explicit Borrowed(WidePad *p)
                    : pad(p)
                {}
                std::int32_t DeviceCount() const override { return 1; }
                GameInputDevice *Device(std::int32_t) override { return pad; }
            };
            return std::make_unique<Borrowed>(&pad);
        };
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(listRows(window), QStringList{"Wide|40000|40000|40000"});
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{"Wide|-25536|-25536|40000"});
        pad.value = -40000;
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{"Wide|-25536|25536|40000"});
    }

    void saveWritesTheListOrSaysWhyNot_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QByteArray>("expectedFile");
        QTest::addColumn<QString>("expectedMessage");
        const QByteArray earlier = "earlier report\n";
        const QString created = "The \"%1.txt\" file was successfully created.\n"
                                "Now you can quit the application.";
        QTest::newRow("renamed, with elements")
            << 0 << "renamed.txt"
            << QByteArray("Test Pad\n\n"
                          "Axis 0 : Minimum = -32768, Default = 0, Maximum = 0\n"
                          "Button 0 : Minimum = 0, Default = 0, Maximum = 1\n")
            << created.arg("Test Pad");
        QTest::newRow("device without elements")
            << 1 << QString(bareName) + ".txt" << QByteArray(bareName) + "\n\n"
            << created.arg(bareName);
        QTest::newRow("no device selected")
            << -1 << ".txt" << QByteArray("\n\n") << created.arg("");
        QTest::newRow("dialog cancelled")
            << 0 << "" << earlier << "The \"Test Pad.txt\" file does not exist.";
        QTest::newRow("place cannot hold a file")
            << 0 << "a file/Test Pad.txt" << earlier
            << "The \"Test Pad.txt\" file could not be created.";
        QTest::newRow("write fails part way")
            << 0 << "full disk" << earlier << "The \"Test Pad.txt\" file could not be created.";
    }
    void saveWritesTheListOrSaysWhyNot()
    {
        QFETCH(int, device);
        QFETCH(QString, place);
        QFETCH(QByteArray, expectedFile);
        QFETCH(QString, expectedMessage);
        QTemporaryDir folder;
        QFile earlier(folder.filePath("Test Pad.txt"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier report\n") > 0);
        earlier.close();
        QFile blocker(folder.filePath("a file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        MessageRecorder recorder;
        VirtualJoystick pad({"Test Pad", 1, 1, 0});
        VirtualJoystick bare({bareName, 0, 0, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(device);
        pad.setAxis(0, -32768);
        tick(window);
        pad.setAxis(0, 0);
        pad.setButton(0, true);
        tick(window);
        pad.setButton(0, false);
        tick(window);

        const bool fullDisk = place == "full disk";
        const QString path = place.isEmpty() ? QString()
                             : fullDisk      ? earlier.fileName()
                                             : folder.filePath(place);
        chooseFile(path);
        {
            std::optional<FileSizeLimit> limit;
            if (fullDisk)
                limit.emplace(100);
            window->savePushButton()->click();
        }
        QCOMPARE(offeredNames_, QStringList{window->mainPopupMenu()->currentText() + ".txt"});
        QCOMPARE(recorder.messages, QStringList{expectedMessage});
        QCOMPARE(readFile(path.isEmpty() || place.startsWith("a file") ? earlier.fileName() : path),
                 expectedFile);
    }

    void reportLinesAreUtf8AndMessagesNameTheDeviceOnce()
    {
        QCOMPARE(DeviceReport::reportContent("", {{QString::fromUtf8(bareName), "-1", "0", "1"}}),
                 "\n\n" + QByteArray(bareName) + " : Minimum = -1, Default = 0, Maximum = 1\n");
        QCOMPARE(DeviceReport::withDeviceName("%DEVICENAME% and %DEVICENAME%", "%DEVICENAME%"),
                 QStringLiteral("%DEVICENAME% and %DEVICENAME%"));
        QCOMPARE(DeviceReport::withDeviceName("no name", "Pad"), QStringLiteral("no name"));
    }

    void returnPressesSave()
    {
        MessageRecorder recorder;
        chooseFile(QString());
        MainWindow *window = shownWindow();
        QVERIFY(window);
        window->mainPopupMenu()->setFocus();
        QTest::keyClick(window->mainPopupMenu(), Qt::Key_Return);
        QCOMPARE(recorder.messages.size(), 1);
    }

    void controlsFollowTheirAnchorsAndTheWindowKeepsItsMinimum()
    {
        MainWindow *window = shownWindow();
        QVERIFY(window);
        window->resize(100, 100);
        QTRY_COMPARE(window->content()->size(), QSize(350, 400));
        window->resize(window->width() + 150, window->height() + 200);
        QTRY_COMPARE(window->content()->size(), QSize(500, 600));
        auto geometryOf = [window](const char *name) {
            return window->content()->findChild<QWidget *>(name)->geometry();
        };
        QCOMPARE(geometryOf("SelectStaticText"), QRect(10, 10, 480, 20));
        QCOMPARE(geometryOf("MainPopupMenu"), QRect(10, 40, 480, 20));
        QCOMPARE(geometryOf("MainListBox"), QRect(10, 70, 480, 440));
        QCOMPARE(geometryOf("InstructionsStaticText"), QRect(10, 520, 480, 40));
        QCOMPARE(geometryOf("SavePushButton"), QRect(390, 570, 100, 20));
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(window->mainListBox()->header()->sectionSize(column), 60);
    }

    // Each stored value applies by itself.
    void storedPositionIsAppliedValueByValue_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("nothing") << -1 << -1 << QPoint(300, 200);
        QTest::newRow("left only") << 40 << -1 << QPoint(40, 200);
        QTest::newRow("top only") << -1 << 50 << QPoint(300, 50);
        QTest::newRow("both") << 40 << 50 << QPoint(40, 50);
    }
    void storedPositionIsAppliedValueByValue()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QPoint, position);
        PreferencesModule::mainWindowLeft = left;
        PreferencesModule::mainWindowTop = top;
        MainWindow *window = MainWindow::instance();
        window->show();
        // As a window manager places a window that asks for no place.
        if (!window->testAttribute(Qt::WA_Moved))
            window->move(300, 200);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(window->pos(), position);
        QCOMPARE(window->content()->size(), QSize(350, 400));
    }

    // Sizes are the content's, kept within the window's limits
    // (2147483647 is what "1e12" and "inf" load as).
    void storedSizeStaysWithinTheWindowsLimits_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("content");
        constexpr int largest = std::numeric_limits<qint32>::max();
        constexpr int smallest = std::numeric_limits<qint32>::min();
        QTest::newRow("height only") << -1 << 450 << QSize(350, 450);
        QTest::newRow("width only") << 500 << -1 << QSize(500, 400);
        QTest::newRow("largest height") << -1 << largest << QSize(350, 32767);
        QTest::newRow("largest width, smallest height") << largest << smallest << QSize(32767, 400);
        QTest::newRow("zero") << 0 << 0 << QSize(350, 400);
    }
    void storedSizeStaysWithinTheWindowsLimits()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QSize, content);
        PreferencesModule::mainWindowWidth = width;
        PreferencesModule::mainWindowHeight = height;
        MainWindow *window = MainWindow::instance();
        // Laid out as shown, without painting up to 32767 pixels.
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        QCOMPARE(window->content()->size(), content);
    }

    void movesAndResizesAreRecordedSeparately()
    {
        MainWindow *window = shownWindow();
        QVERIFY(window);
        window->move(70, 80);
        QTRY_COMPARE(PreferencesModule::mainWindowTop, 80);
        QCOMPARE(PreferencesModule::mainWindowLeft, 70);
        // Showing the window and moving it recorded no size.
        QCOMPARE(PreferencesModule::mainWindowWidth, -1);
        window->resize(window->width() + 10, window->height());
        QTRY_COMPARE(PreferencesModule::mainWindowWidth, 360);
        QCOMPARE(PreferencesModule::mainWindowHeight, 400);
        QCOMPARE(PreferencesModule::mainWindowLeft, 70);
    }

    // Last: the program is quitting afterwards.
    void withoutAGameInputManagerTheProgramSaysSoAndEnds()
    {
        MessageRecorder recorder;
        App::instance()->seams().createGameInputManager = [] {
            return std::unique_ptr<GameInputManager>();
        };
        MainWindow *window = MainWindow::instance();
        QCOMPARE(recorder.messages, QStringList{"The GameInputManager could not be created."});
        QCOMPARE(window->mainPopupMenu()->count(), 0);
        QVERIFY(!window->mainTimer()->isActive());
        QVERIFY(App::instance()->isQuitting());
    }
};

QUILLOMAT_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

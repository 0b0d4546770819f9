#include "VirtualJoystick.h"
#include "base/GameInput.h"
#include "base/LayoutText.h"
#include "base/MotionGauge.h"
#include "base/ValueText.h"
#include "prefs/PreferencesModule.h"
#include "support/TestApp.h"
#include "tester/DeviceViews.h"
#include "tester/DeviceWindow.h"
#include "tester/MainWindow.h"

#include <QAccessible>
#include <QClipboard>

#include <cmath>
#include <numbers>

using namespace PreferencesModule;

namespace {

// A device name from a USB descriptor need not be ASCII: the report is UTF-8.
constexpr char bareName[] = "Manette Ünïcødé ☃";

// The tester window, on the screen: it looks for game devices once shown.
MainWindow *opened()
{
    MainWindow *window = MainWindow::instance();
    if (!window->isVisible()) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            qWarning("the tester window did not show");
    }
    return window;
}

template <typename T = QWidget> T *part(const char *name)
{
    return opened()->findChild<T *>(name);
}
QComboBox *popup()
{
    return part<QComboBox>("MainPopupMenu");
}

// Each list row as "element|min|now|max", so one comparison checks the view.
QStringList listRows()
{
    QStringList rows;
    const auto *list = part<QTreeWidget>("MainListBox");
    for (int index = 0; index < list->topLevelItemCount(); ++index) {
        const QTreeWidgetItem *row = list->topLevelItem(index);
        rows << row->text(0) + '|' + row->text(1) + '|' + row->text(2) + '|' + row->text(3);
    }
    return rows;
}

// The popup's rows as they read.
QStringList popupRows()
{
    QStringList rows;
    for (int index = 0; index < popup()->count(); ++index)
        rows << popup()->itemText(index);
    return rows;
}

// One sampling tick, as the window's timer gives it.
void tick()
{
    VirtualJoystick::settle();
    QMetaObject::invokeMethod(part<QTimer>("MainTimer"), "timeout");
}

// One report of a pad: its values set, then read by SDL as one report.
void report(VirtualJoystick &pad, const QList<std::pair<int, int>> &axes)
{
    SDL_LockJoysticks();
    for (const auto &[axis, value] : axes)
        pad.setAxis(axis, Sint16(value));
    SDL_JoystickUpdate();
    SDL_UnlockJoysticks();
}

// What a screen reader hears of a readout of the Device window.
QString heard(const char *name)
{
    auto *readout = DeviceWindow::existing()->findChild<Readout *>(name);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(readout);
    return accessible->text(QAccessible::Name) + ": " + accessible->text(QAccessible::Description);
}

// A one-element pad SDL cannot produce: its value goes beyond 16 bits.
struct WidePad final : GameInputManager, GameInputDevice, GameInputElement {
    std::int32_t DeviceCount() override { return 1; }
    GameInputDevice *Device(std::int32_t) override { return this; }
    QString Name() const override { return QStringLiteral("Wide"); }
    std::int32_t ElementCount() override { return 1; }
    GameInputElement *Element(std::int32_t) override { return this; }
    std::int32_t Value() const override { return value; }
    std::int32_t value = 40000;
};

// A pad SDL's virtual pads cannot be: motion sensors, a touchpad, a battery,
// an identity, and a name that tries to be more than one line and wider
// than any screen.
struct SensorPad final : GameInputManager, GameInputDevice {
    std::int32_t DeviceCount() override { return 1; }
    GameInputDevice *Device(std::int32_t) override { return this; }
    QString Name() const override { return "Sensor\nVendor ID: 0000\u202E" + QString(3000, 'W'); }
    std::int32_t ElementCount() override { return 0; }
    GameInputElement *Element(std::int32_t) override { return nullptr; }
    GameInputIdentity Identity() const override
    {
        return {0x054c,
                0x0ce6,
                0x0100,
                0x0220,
                "a4:53\r\n",
                "030000004c050000e60c000000016800",
                "PS5",
                "030000004c050000e60c000000016800,DualSense,a:b0",
                GameInputIdentity::Connection::Wireless,
                GameInputIdentity::Battery::Medium};
    }
    void Watch(bool on) override { watched = on; }
    bool ReadMotion(GameInputMotion &motion) override
    {
        motion.gyroscope = motion.accelerometer = true;
        gauge.read(motion);
        return true;
    }
    std::int32_t TouchpadCount() override { return 1; }
    bool ReadTouchpad(std::int32_t, std::vector<GameInputFinger> &touching) override
    {
        touching = fingers;
        return true;
    }
    MotionGauge gauge;
    std::vector<GameInputFinger> fingers{{true, 0.25f, 0.5f, 1}, {}};
    bool watched = false;
};

} // namespace

class TestTester : public QObject {
    Q_OBJECT

    std::optional<SeamsRestorer> seams_;
    QStringList offeredNames_;

    void chooseFile(const QString &path)
    {
        seams().saveFileName = [this, path](QWidget *, const QString &name) {
            offeredNames_.append(name);
            return path;
        };
    }

private slots:
    void initTestCase()
    {
        if (VirtualJoystick::hostJoystickCount() > 0)
            QSKIP("this machine has game devices of its own; the expected lists would not hold");
    }

    void init()
    {
        seams_.emplace();
        mainWindowLeft = mainWindowTop = mainWindowWidth = mainWindowHeight = -1;
        offeredNames_.clear();
    }

    void cleanup()
    {
        MainWindow::release();
        seams_.reset();
    }

    void theListFollowsThePickedDeviceAndTicksWidenItsExtremes()
    {
        VirtualJoystick pad({"Test Pad", 3, 2, 1});
        VirtualJoystick twin({"Test Pad", 0, 1, 0});
        pad.setAxis(0, 128);
        pad.setButton(1, true);
        QCOMPARE(MainWindow::instance()->windowTitle(), "Quillomat");
        const QTreeWidgetItem *headings = part<QTreeWidget>("MainListBox")->headerItem();
        QCOMPARE(headings->text(0) + headings->text(1) + headings->text(2) + headings->text(3),
                 "ElementMinNowMax");
        QCOMPARE(popupRows(), (QStringList{"Test Pad", "Test Pad #2"}));
        QVERIFY(popup()->currentIndex() == -1 && listRows().isEmpty());
        QVERIFY(part<QTimer>("MainTimer")->interval() == 100 &&
                part<QTimer>("MainTimer")->isActive());

        popup()->setCurrentIndex(0);
        QCOMPARE(listRows(), (QStringList{"Axis 0|128|128|128", "Axis 1|0|0|0", "Axis 2|0|0|0",
                                          "Button 0|0|0|0", "Button 1|1|1|1", "Hat 0|0|0|0"}));
        pad.setAxis(0, -32768);
        pad.setAxis(2, 32767);
        pad.setButton(1, false);
        pad.setHat(0, SDL_HAT_LEFTDOWN);
        tick();
        pad.setAxis(0, 5);
        pad.setAxis(2, 0);
        pad.setHat(0, SDL_HAT_CENTERED);
        tick();
        QCOMPARE(listRows(), (QStringList{"Axis 0|-32768|5|128", "Axis 1|0|0|0", "Axis 2|0|0|32767",
                                          "Button 0|0|0|0", "Button 1|0|0|1", "Hat 0|0|0|12"}));
        // Another device's rows replace these; picking the pad again starts over.
        popup()->setCurrentIndex(1);
        pad.setAxis(0, 12);
        tick();
        QCOMPARE(listRows(), QStringList{"Button 0|0|0|0"});
        popup()->setCurrentIndex(0);
        QCOMPARE(listRows().first(), "Axis 0|12|12|12");
    }

    // A tap between two ticks counts: SDL is pumped in between, as a driver
    // delivers what its queue holds.
    void quickPressesBetweenTwoTicksCount()
    {
        VirtualJoystick pad({"Quick Pad", 1, 1, 1});
        popup()->setCurrentIndex(0);
        part<QTimer>("MainTimer")->stop();
        for (const auto &[axis, button, hat] :
             {std::tuple{-32768, 1, SDL_HAT_UP}, std::tuple{0, 0, SDL_HAT_CENTERED}}) {
            pad.setAxis(0, Sint16(axis));
            pad.setButton(0, button);
            pad.setHat(0, hat);
            QTRY_VERIFY(SDL_JoystickGetAxis(pad.joystick(), 0) == axis &&
                        SDL_JoystickGetButton(pad.joystick(), 0) == button &&
                        SDL_JoystickGetHat(pad.joystick(), 0) == hat);
        }
        tick();
        QCOMPARE(listRows(), (QStringList{"Axis 0|-32768|0|0", "Button 0|0|0|1", "Hat 0|0|0|1"}));
    }

    // The popup follows plugging without touching the selected row or its
    // list: a pad plugged in late is offered, an unplugged one says so and
    // keeps what was seen, and comes back when plugged in again.
    void thePopupFollowsPlugging()
    {
        QCOMPARE(popup()->count(), 0);
        auto pad = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"Loose Pad", 1, 0, 0});
        QTRY_COMPARE(popupRows(), QStringList{"Loose Pad"});
        QCOMPARE(popup()->currentIndex(), -1);
        popup()->setCurrentIndex(0);
        pad->setAxis(0, -20000);
        QTRY_COMPARE(listRows(), QStringList{"Axis 0|-20000|-20000|0"});
        VirtualJoystick other({"Other Pad", 0, 1, 0});
        pad.reset();
        QTRY_COMPARE(popupRows(), (QStringList{"Loose Pad (disconnected)", "Other Pad"}));
        tick();
        QCOMPARE(listRows(), QStringList{"Axis 0|-20000|-20000|0"});
        QTemporaryDir folder;
        chooseFile(folder.filePath("report.txt"));
        MessageRecorder recorder;
        part<QPushButton>("SavePushButton")->click();
        QCOMPARE(offeredNames_, QStringList{"Loose Pad.txt"});
        QCOMPARE(readFile(folder.filePath("report.txt")),
                 "Loose Pad\n\nAxis 0 : Minimum = -20000, Default = -20000, Maximum = 0\n");
        // Back with more elements than it had: they have no row, and take none.
        VirtualJoystick back({"Loose Pad", 2, 1, 1});
        back.setAxis(0, 30000);
        back.setAxis(1, 9);
        back.setButton(0, true);
        back.setHat(0, SDL_HAT_UP);
        QTRY_COMPARE(listRows(), QStringList{"Axis 0|-20000|30000|30000"});
        QVERIFY(popupRows() == (QStringList{"Loose Pad", "Other Pad"}) &&
                popup()->currentIndex() == 0);
    }

    void valuesBeyond16BitsShowInFullUntilTheFirstTick()
    {
        auto *pad = new WidePad;
        seams().createGameInputManager = [pad] {
            return std::unique_ptr<GameInputManager>(pad);
        };
        popup()->setCurrentIndex(0);
        QCOMPARE(listRows(), QStringList{"Wide|40000|40000|40000"});
        tick();
        pad->value = -40000;
        tick();
        QCOMPARE(listRows(), QStringList{"Wide|-25536|25536|40000"});
    }

    // The device picked (-2: there is none at all) and where the dialog says
    // to save; the file found there after, and the message.
    void saveWritesTheListOrSaysWhyNot_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QByteArray>("expectedFile");
        QTest::addColumn<QString>("expectedMessage");
        const QByteArray earlier = "earlier report\n", none = "\n\n";
        const QByteArray report = "Test Pad\n\n"
                                  "Axis 0 : Minimum = -32768, Default = 0, Maximum = 0\n"
                                  "Button 0 : Minimum = 0, Default = 0, Maximum = 1\n";
        const QString created = "The \"%1.txt\" file was successfully created.\n"
                                "Now you can quit the application.";
        const QString notCreated = "The \"Test Pad.txt\" file could not be created.";
        QTest::newRow("new file") << 0 << "renamed.txt" << report << created.arg("Test Pad");
        QTest::newRow("over an earlier report")
            << 0 << "Test Pad.txt" << report << created.arg("Test Pad");
        QTest::newRow("device without elements")
            << 1 << QString(bareName) + ".txt" << QByteArray(bareName) + none
            << created.arg(bareName);
        QTest::newRow("no device picked") << -1 << ".txt" << none << created.arg("");
        QTest::newRow("no device at all") << -2 << ".txt" << none << created.arg("");
        QTest::newRow("dialog cancelled")
            << 0 << "" << earlier << "The \"Test Pad.txt\" file does not exist.";
        QTest::newRow("place cannot hold a file") << 0 << "a file/x.txt" << earlier << notCreated;
        QTest::newRow("write fails part way") << 0 << "full disk" << earlier << notCreated;
    }
    void saveWritesTheListOrSaysWhyNot()
    {
        QFETCH(int, device);
        QFETCH(QString, place);
        QFETCH(QByteArray, expectedFile);
        QFETCH(QString, expectedMessage);
        QTemporaryDir folder;
        const QString earlier = folder.filePath("Test Pad.txt");
        QFile file(earlier), blocker(folder.filePath("a file"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier report\n") > 0 &&
                blocker.open(QIODevice::WriteOnly));
        file.close();
        MessageRecorder recorder;
        std::optional<VirtualJoystick> pad, bare;
        if (device != -2) {
            pad.emplace(VirtualJoystick::Layout{"Test Pad", 1, 1, 0});
            bare.emplace(VirtualJoystick::Layout{bareName, 0, 0, 0});
        }
        popup()->setCurrentIndex(device);
        QCOMPARE(popup()->count(), device == -2 ? 0 : 2);
        for (const auto &[axis, button] : {std::pair{-32768, false}, {0, true}, {0, false}}) {
            if (pad) {
                pad->setAxis(0, Sint16(axis));
                pad->setButton(0, button);
            }
            tick();
        }
        const bool fullDisk = place == "full disk";
        const QString path = place.isEmpty() ? "" : fullDisk ? earlier : folder.filePath(place);
        chooseFile(path);
        {
            const FileSizeLimit limit(fullDisk ? 100 : RLIM_INFINITY);
            part<QPushButton>("SavePushButton")->click();
        }
        QCOMPARE(offeredNames_, QStringList{expectedMessage.section('"', 1, 1)});
        QCOMPARE(recorder.messages, QStringList{expectedMessage});
        QCOMPARE(readFile(QFile::exists(path) ? path : earlier), expectedFile);
    }

    // Devices name themselves. Return in the save dialog, which starts in the
    // folder the user picks, saves the report in that folder, named after the
    // device as far as a file name can be; the name line is one line.
    void aDeviceNameIsOnlyText_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("shown");
        const QString snowmen = QString("☃").repeated(84);
        QTest::newRow("up a folder") << QByteArray("../escape") << "_escape.txt"
                                     << "../escape";
        QTest::newRow("hidden") << QByteArray(".hidden") << "hidden.txt"
                                << ".hidden";
        QTest::newRow("nameless") << QByteArray() << "Game controller 1209-0301.txt"
                                  << "Game controller 1209-0301";
        QTest::newRow("only dots and spaces, of any width")
            << QString(".\u00A0.\u3000").toUtf8() << "Game controller 1209-0301.txt"
            << "Game controller 1209-0301";
        QTest::newRow("direction override")
            << QString("Pad\u202Eexe.txt").toUtf8() << "Padexe.txt.txt"
            << "Padexe.txt";
        QTest::newRow("zero widths, isolates, byte-order mark, a tag")
            << QString("\u200BP\u2066a\u2069\u200Dd\uFEFF").toUtf8() + "\xf3\xa0\x80\x81"
            << "Pad.txt"
            << "Pad";
        QTest::newRow("up three folders") << QByteArray("Pad/../../../x") << "Pad_.._.._.._x.txt"
                                          << "Pad/../../../x";
        QTest::newRow("absolute path") << QByteArray("/tmp/pad") << "_tmp_pad.txt"
                                       << "/tmp/pad";
        QTest::newRow("two names in one")
            << QByteArray("Xbox 360/One Controller") << "Xbox 360_One Controller.txt"
            << "Xbox 360/One Controller";
        QTest::newRow("line breaks and controls")
            << QByteArray("Pad\nAxis 9 : Minimum = 0\r\x1b\t") << "Pad Axis 9 : Minimum = 0   .txt"
            << "Pad Axis 9 : Minimum = 0   ";
        QTest::newRow("252 bytes, cut to 253 with .txt, by whole characters")
            << snowmen.toUtf8() << snowmen.left(83) + ".txt" << snowmen;
    }
    void aDeviceNameIsOnlyText()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, offered);
        QFETCH(QString, shown);
        VirtualJoystick pad({name, 0, 0, 0, false, 0x1209, 0x0301});
        popup()->setCurrentIndex(0);
        QTemporaryDir folder;
        seams().saveFileName = [this, &folder](QWidget *, const QString &offeredName) {
            offeredNames_.append(offeredName);
            return QDir::cleanPath(folder.filePath(offeredName));
        };
        MessageRecorder recorder;
        part<QPushButton>("SavePushButton")->click();
        QCOMPARE(offeredNames_, QStringList{offered});
        QCOMPARE(readFile(folder.filePath(offered)), shown.toUtf8() + "\n\n");
        QCOMPARE(QStringList(popup()->currentText()) + recorder.messages,
                 (QStringList{shown, "The \"" + shown +
                                         ".txt\" file was successfully created.\n"
                                         "Now you can quit the application."}));
    }

    // Save is the default button: Return presses it (the demo run shows
    // it); other keys go on as the window did not take them.
    void saveIsTheDefaultButton()
    {
        QVERIFY(part<QPushButton>("SavePushButton")->isDefault());
        QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QApplication::sendEvent(MainWindow::instance(), &other);
        QVERIFY(!other.isAccepted());
    }

    void controlsFollowTheirAnchorsAndTheWindowKeepsItsMinimum()
    {
        MainWindow *window = MainWindow::instance();
        window->show();
        window->resize(100, 100);
        QTRY_COMPARE(part("MainWindowContent")->size(), QSize(350, 400));
        window->resize(window->width() + 150, window->height() + 200);
        QTRY_COMPARE(part("MainWindowContent")->size(), QSize(500, 600));
        QList<QRect> placed;
        for (const char *name :
             {"MainPopupMenu", "MainListBox", "InstructionsStaticText", "SavePushButton"})
            placed.append(part(name)->geometry());
        QCOMPARE(
            placed,
            (QList<QRect>{
                {10, 40, 480, 20}, {10, 70, 480, 440}, {10, 520, 480, 40}, {390, 570, 100, 20}}));
        // The three value columns keep 60 pixels; the element's takes the rest.
        const QHeaderView *header = part<QTreeWidget>("MainListBox")->header();
        QVERIFY(header->sectionSize(1) == 60 && header->sectionSize(2) == 60 &&
                header->sectionSize(3) == 60);
        QCOMPARE(header->sectionSize(0) + 180, header->width());
    }

    // Each stored value applies by itself; sizes are the content's, within the
    // window's limits and the screen (2147483647 is what "1e12" and "inf" load
    // as), and the window lies wholly on the screen.
    void storedGeometryIsAppliedValueByValue_data()
    {
        QTest::addColumn<QList<int>>("stored"); // left, top, width, height
        QTest::addColumn<QRect>("expected");    // place and content size; -1: to the screen's edge
        const int largest = std::numeric_limits<qint32>::max(), smallest = -largest - 1;
        QTest::newRow("nothing") << QList{-1, -1, -1, -1} << QRect(300, 200, 350, 400);
        QTest::newRow("left only, height") << QList{40, -1, -1, 450} << QRect(40, 200, 350, 450);
        QTest::newRow("top only, width") << QList{-1, 50, 450, -1} << QRect(300, 50, 450, 400);
        QTest::newRow("both, zero size") << QList{40, 50, 0, 0} << QRect(40, 50, 350, 400);
        QTest::newRow("largest height") << QList{-1, -1, -1, largest} << QRect(300, 0, 350, -1);
        QTest::newRow("largest width, smallest height")
            << QList{-1, -1, largest, smallest} << QRect(0, 200, -1, 400);
        QTest::newRow("off the screen, too wide")
            << QList{5000, -3000, 3000, -1} << QRect(0, 0, -1, 400);
        QTest::newRow("beyond the right edge")
            << QList{5000, 100, -1, -1} << QRect(-1, 100, 350, 400);
    }
    void storedGeometryIsAppliedValueByValue()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QRect, expected);
        mainWindowLeft = stored[0];
        mainWindowTop = stored[1];
        mainWindowWidth = stored[2];
        mainWindowHeight = stored[3];
        MainWindow *window = MainWindow::instance();
        window->show();
        // As a window manager places a window that asks for no place.
        if (!window->testAttribute(Qt::WA_Moved))
            window->move(300, 200);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QSize screen = window->screen()->availableSize();
        const QSize around = window->frameGeometry().size() - part("MainWindowContent")->size();
        QTRY_COMPARE(window->pos(),
                     QPoint(expected.x() < 0 ? screen.width() - window->frameGeometry().width()
                                             : expected.x(),
                            expected.y()));
        QCOMPARE(
            part("MainWindowContent")->size(),
            QSize(expected.width() < 0 ? screen.width() - around.width() : expected.width(),
                  expected.height() < 0 ? screen.height() - around.height() : expected.height()));
    }

    // From a lone stored top: the user's moves and resizes are recorded, and
    // the window stays where the user put it when it shows again.
    void movesAndResizesAreRecordedSeparately()
    {
        mainWindowTop = 50;
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(window->y(), 50);
        QCOMPARE(mainWindowLeft, -1); // the program's move is no move of the user's
        window->move(70, 80);
        QTRY_COMPARE(mainWindowTop, 80);
        // Showing the window and moving it recorded no size.
        QVERIFY(mainWindowLeft == 70 && mainWindowWidth == -1);
        window->resize(window->width() + 10, window->height());
        QTRY_COMPARE(mainWindowWidth, 360);
        QVERIFY(mainWindowHeight == 400 && mainWindowLeft == 70);
        window->hide();
        QTRY_VERIFY(!window->windowHandle()->isExposed());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->pos(), QPoint(70, 80));
    }

    // The SDL adapter: SDL's own indexes move down when a pad goes; ours stay,
    // and a pad plugged in late comes last. SDL is pumped in the background
    // only while a pad is open and plugged in: a pumped pad's state moves
    // without a read.
    void devicesKeepTheirIndexAndNameTheirElements()
    {
        auto first = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"First", 1, 0, 0});
        VirtualJoystick second({"Second", 6, 15, 1, true});
        VirtualJoystick odd({"Odd", 1, 2, 0});
        // From the plugin, as the program gets it.
        const std::unique_ptr<GameInputManager> manager =
            Seams::defaults().createGameInputManager();
        QVERIFY(manager);
        VirtualJoystick late({"Late", 1, 1, 0});
        QCOMPARE(manager->DeviceCount(), 4);
        QCOMPARE(manager->Device(3)->Name(), "Late");
        // Several of the pump's 8 ms periods, for a pump that may not come.
        const auto pumped = [](VirtualJoystick &pad) {
            pad.setButton(0, true);
            QTest::qWait(40);
            return SDL_JoystickGetButton(pad.joystick(), 0) == 1;
        };
        QVERIFY(!pumped(late));
        const auto namesOf = [&manager](int index) {
            GameInputDevice *device = manager->Device(index);
            QStringList names;
            for (std::int32_t element = 0; element < device->ElementCount(); ++element)
                names.append(device->Element(element)->Name());
            return names;
        };
        // A mapping may bind elements the pad lacks (a mapping's GUID carries
        // no name checksum): only those it has are named.
        SDL_JoystickGUID guid = SDL_JoystickGetDeviceGUID(2);
        guid.data[2] = guid.data[3] = 0;
        char mapping[33];
        SDL_JoystickGetGUIDString(guid, mapping, sizeof mapping);
        SDL_GameControllerAddMapping(mapping +
                                     QByteArray(",Odd,a:b2,b:b1,leftx:a1,lefty:a0,dpup:h0.1"));
        QCOMPARE(namesOf(2).join(", "), "Axis 0 (left stick Y), Button 0, Button 1 (B)");
        QVERIFY(pumped(odd));
        first.reset();
        VirtualJoystick::settle();
        QCOMPARE(manager->DeviceCount(), 4);
        QVERIFY(!manager->Device(0)->Connected() && manager->Device(1)->Connected());
        QCOMPARE(manager->Device(1)->Name(), "Second");
        const QStringList names = namesOf(1);
        QCOMPARE(names.size(), 22);
        // The game controller mapping that names them is not kept open.
        QCOMPARE(SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(0)), nullptr);
        QCOMPARE(names.mid(4, 3).join(", "),
                 "Axis 4 (left trigger), Axis 5 (right trigger), Button 0 (A)");
        QCOMPARE(names.mid(17).join(", "),
                 "Button 11 (D-pad up), Button 12 (D-pad down), Button 13 (D-pad left), "
                 "Button 14 (D-pad right), Hat 0");
        second.setButton(1, true);
        VirtualJoystick::settle();
        QCOMPARE(manager->Device(1)->Element(7)->Value(), 1);
        QCOMPARE(manager->Device(4), nullptr);
        // The pad that went away offers nothing to read and does not crash.
        QVERIFY(manager->Device(0)->ElementCount() == 0 && !manager->Device(0)->Element(0));
        odd.detach();
        second.detach();
        VirtualJoystick::settle();
        manager->DeviceCount();
        late.setButton(0, false);
        VirtualJoystick::settle();
        manager->DeviceCount();
        QVERIFY(!pumped(late));
    }

    // A stick swept around its gate at set times, then let go at (1500,
    // -800): the Device window's figures, and an outline closed all around.
    // A square gate's error is 12.2% in the limit: its corners, reported a
    // degree apart, take it a little either way. The rate is the reports
    // over the time SDL's clock says they took.
    void aStickIsMeasuredFromEveryReportedPosition_data()
    {
        QTest::addColumn<bool>("round");
        QTest::addColumn<int>("reports");
        QTest::addColumn<int>("apartMs");
        QTest::addColumn<double>("lowestError");
        QTest::addColumn<double>("highestError");
        QTest::newRow("round gate, in 300 ms") << true << 60 << 5 << 0.0 << 0.5;
        QTest::newRow("square gate, a degree a report") << false << 360 << 1 << 12.0 << 13.0;
    }
    void aStickIsMeasuredFromEveryReportedPosition()
    {
        QFETCH(bool, round);
        QFETCH(int, reports);
        QFETCH(int, apartMs);
        QFETCH(double, lowestError);
        QFETCH(double, highestError);
        VirtualJoystick pad({"Stick Pad", 3, 0, 0});
        popup()->setCurrentIndex(0);
        DeviceWindow::showFor(MainWindow::instance());
        const Uint32 started = SDL_GetTicks();
        for (int step = 0; step <= reports; ++step) {
            const double angle = 2 * std::numbers::pi * step / reports;
            const double reach =
                round ? 1 : 1 / std::max(std::abs(std::cos(angle)), std::abs(std::sin(angle)));
            report(
                pad,
                {{0, std::clamp(std::lround(32767 * reach * std::cos(angle)), -32768L, 32767L)},
                 {1, std::clamp(std::lround(-32767 * reach * std::sin(angle)), -32768L, 32767L)}});
            QTest::qSleep(apartMs);
        }
        report(pad, {{0, 1500}, {1, -800}});
        const double rate = (reports + 1) * 1000.0 / (SDL_GetTicks() - started);
        QTRY_VERIFY(!heard("Stick 1").contains("Rest offset: not"));
        const QRegularExpressionMatch figures =
            QRegularExpression("^Stick 1: Circularity error: ([0-9.]+)%, Rest offset: 5.2%, "
                               "Reports per second: ([0-9]+)$")
                .match(heard("Stick 1"));
        QVERIFY2(figures.hasMatch(), qPrintable(heard("Stick 1")));
        QVERIFY2(figures.captured(1).toDouble() >= lowestError &&
                     figures.captured(1).toDouble() <= highestError,
                 qPrintable(figures.captured(1)));
        QVERIFY2(std::abs(figures.captured(2).toDouble() / rate - 1) < 0.1,
                 qPrintable(figures.captured(2) + " for " + QString::number(rate)));
        GameInputStick stick;
        QVERIFY(MainWindow::instance()->pickedDevice()->ReadStick(0, stick));
        QVERIFY(*std::min_element(stick.outline.begin(), stick.outline.end()) > 0.95f);
        // Cleared, it measures afresh from where it is.
        DeviceWindow::existing()->findChild<QPushButton *>()->click();
        QVERIFY(heard("Stick 1").startsWith("Stick 1: Circularity error: not measured yet"));
    }

    // How far each element went, beside its row's texts: the range bars,
    // readable over their colour in light and dark themes, done or not done
    // for a screen reader, and the Device window's lamps, bars and crosses.
    void eachElementShowsHowFarItWent()
    {
        auto pad = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"Bar Pad", 5, 2, 1});
        popup()->setCurrentIndex(0);
        for (const auto &[axis, button, hat] : {std::tuple{-32768, 1, SDL_HAT_UP},
                                                {32767, 0, SDL_HAT_RIGHT},
                                                {0, 0, SDL_HAT_LEFTDOWN},
                                                {0, 0, SDL_HAT_CENTERED}}) {
            pad->setButton(0, button);
            pad->setHat(0, hat);
            report(*pad, {{3, axis / 2}, {4, axis}});
        }
        tick();
        auto *list = part<QTreeWidget>("MainListBox");
        QStringList done;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            done << list->topLevelItem(row)->data(0, Qt::AccessibleDescriptionRole).toString();
        QCOMPARE(done.join(',').remove(" through its whole range"),
                 "Not yet,Not yet,Not yet,Not yet,Tested,Tested,Not yet,Tested");
        QPalette dark(QColor(0x353535));
        dark.setColor(QPalette::Base, QColor(0x2a2a2a));
        dark.setColor(QPalette::Text, QColor(0xeeeeee));
        // Axis 4 went from end to end: its bar spans all three value cells,
        // its values on it. Axis 0's name, not done, is drawn all the same.
        const QHeaderView *header = list->header();
        for (const QPalette &palette : {list->palette(), dark}) {
            list->setPalette(palette);
            const QImage shown = list->viewport()->grab().toImage();
            const int row = list->visualItemRect(list->topLevelItem(4)).center().y();
            for (const int x : {header->sectionViewportPosition(1) + 5,
                                header->sectionViewportPosition(3) + 5}) {
                const QColor span = shown.pixelColor(x, row);
                QVERIFY2(span != palette.color(QPalette::Base) &&
                             contrastRatio(span, palette.color(QPalette::Text)) >= 4.5,
                         qPrintable(span.name()));
            }
            const auto drawn = [&shown, header, list](int column, int item) {
                QSet<QRgb> colours;
                for (int x = 0; x < header->sectionSize(column); ++x)
                    colours.insert(
                        shown.pixel(header->sectionViewportPosition(column) + x,
                                    list->visualItemRect(list->topLevelItem(item)).center().y()));
                return colours.size() > 2;
            };
            QVERIFY(drawn(0, 0) && drawn(1, 4));
        }
        DeviceWindow::showFor(MainWindow::instance());
        QCOMPARE(DeviceWindow::existing()->findChildren<StickView *>().size(), 2);
        QStringList readings;
        for (const char *name : {"Axis 4", "Button 0", "Button 1", "Hat 0"})
            readings << heard(name);
        QCOMPARE(readings,
                 (QStringList{"Axis 4: 0, reached -32768 to 32767",
                              "Button 0: Released, pressed before", "Button 1: Never pressed",
                              "Hat 0: Pointing centred; seen up, right, down, left"}));
        // Unplugged, it shows its last state and says so; picking another
        // device shows that one, and Escape closes the window.
        pad.reset();
        VirtualJoystick other({"Other Pad", 0, 1, 0});
        QTRY_COMPARE(DeviceWindow::existing()->findChild<QLabel *>("DeviceName")->text(),
                     "Bar Pad (disconnected)");
        QTRY_COMPARE(popup()->count(), 2);
        popup()->setCurrentIndex(1);
        QTRY_COMPARE(DeviceWindow::existing()->findChildren<Readout *>().size(), 1);
        QTest::keyClick(DeviceWindow::existing(), Qt::Key_Escape);
        QVERIFY(!DeviceWindow::existing());
    }

    // Outputs the Device window starts are stopped, and the light given
    // back, on every road away from the device; an unplugged one can be
    // asked nothing.
    void outputsStopOnEveryRoadAway_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QStringList>("after");
        const QStringList stopped{"rumble 0 0", "triggers 0 0", "light 0 0 64"};
        QTest::newRow("window closed") << "close" << stopped;
        QTest::newRow("another device picked") << "pick" << stopped;
        QTest::newRow("tester window gone") << "release" << stopped;
        QTest::newRow("device unplugged") << "unplug" << QStringList();
    }
    void outputsStopOnEveryRoadAway()
    {
        QFETCH(QString, road);
        QFETCH(QStringList, after);
        VirtualJoystick pad({"Rumble Pad", 2, 1, 0, false, 0, 0, true});
        VirtualJoystick other({"Quiet Pad", 0, 1, 0});
        popup()->setCurrentIndex(0);
        QPointer<DeviceWindow> window = DeviceWindow::showFor(MainWindow::instance());
        for (const char *name : {"BothMotorsCaption", "RightTriggerCaption", "RedCaption"})
            window->findChild<QPushButton *>(name)->click();
        const QStringList asked{"rumble 65535 65535", "triggers 0 65535", "light 255 0 0"};
        QCOMPARE(pad.requests(), asked);
        if (road == "close")
            window->close();
        else if (road == "pick")
            popup()->setCurrentIndex(1);
        else if (road == "release")
            MainWindow::release();
        else
            pad.detach();
        QTRY_VERIFY(!window || !window->findChild<QPushButton *>("RedCaption")->isEnabled());
        QCOMPARE(pad.requests(), asked + after);
    }

    // A control for an output the device lacks is disabled and says why; a
    // request the device refuses is told; the device's own identity is
    // copied, one fact a line.
    void outputsLackedOrRefusedAreToldAndTheIdentityCopied()
    {
        VirtualJoystick pad({"Jammed Pad", 0, 1, 0, true, 0x054c, 0x0ce6, true});
        VirtualJoystick plain({"Plain Pad", 0, 1, 0});
        popup()->setCurrentIndex(0);
        DeviceWindow *window = DeviceWindow::showFor(MainWindow::instance());
        pad.refuseRequests("motor jammed");
        window->findChild<QPushButton *>("LowMotorCaption")->click();
        QCOMPARE(window->findChild<QLabel *>("Refusal")->text(),
                 "The device refused: motor jammed");
        window->findChild<QPushButton *>("CopyIdentity")->click();
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.mid(0, 3),
                 (QStringList{"Name: Jammed Pad", "Vendor ID: 054c", "Product ID: 0ce6"}));
        QVERIFY2(copied.contains("Controller type: PS5"), qPrintable(copied.join('|')));
        popup()->setCurrentIndex(1);
        auto *light = window->findChild<QPushButton *>("RedCaption");
        QVERIFY(!light->isEnabled() && light->toolTip() == "This device has no light." &&
                light->accessibleDescription() == light->toolTip());
    }

    // What only a fake can have: motion sensors read at their peak and, once
    // still for two seconds, their drift; a touchpad's fingers; a battery;
    // an identity whose texts are each one line and never widen the window.
    void sensorsTouchpadsAndIdentityAsTheWindowShowsThem()
    {
        auto *pad = new SensorPad;
        seams().createGameInputManager = [pad] {
            return std::unique_ptr<GameInputManager>(pad);
        };
        popup()->setCurrentIndex(0);
        QPointer<DeviceWindow> window = DeviceWindow::showFor(MainWindow::instance());
        QVERIFY(pad->watched);
        auto *frames = window->findChild<QTimer *>();
        frames->stop();
        const auto still = [pad](std::uint32_t from, std::uint32_t to) {
            for (std::uint32_t ms = from; ms <= to; ms += 4) {
                pad->gauge.reportRotation({0.5f, -0.25f, 0}, ms);
                pad->gauge.reportAcceleration({0, 0, 1}, ms);
            }
        };
        still(3000, 4000);
        tick();
        QStringList readings{heard("Gyroscope drift")};
        pad->gauge.reportRotation({500, 0, 0}, 4004); // a flick, between two frames
        still(4008, 6008);
        QMetaObject::invokeMethod(frames, "timeout");
        tick();
        for (const char *name : {"Gyroscope", "Gyroscope drift", "Accelerometer", "Touchpad 1"})
            readings << heard(name);
        QCOMPARE(readings,
                 (QStringList{"Gyroscope drift: lay the device still for two seconds",
                              "Gyroscope: 500.0, 0.0, 0.0 degrees per second",
                              "Gyroscope drift: 0.50, -0.25, 0.00 degrees per second",
                              "Accelerometer: 0.00, 0.00, 1.00 g",
                              "Touchpad 1: finger at 25.0% across, 50.0% down, pressure 100.0%"}));
        window->findChild<QPushButton *>("CopyIdentity")->click();
        QCOMPARE(QGuiApplication::clipboard()->text().remove(QString(3000, 'W')),
                 "Name: Sensor Vendor ID: 0000\nVendor ID: 054c\nProduct ID: 0ce6\n"
                 "Product version: 0100\nFirmware version: 0220\nSerial number: a4:53  \n"
                 "GUID: 030000004c050000e60c000000016800\nController type: PS5\n"
                 "Mapping: 030000004c050000e60c000000016800,DualSense,a:b0\n"
                 "Connection: wireless\nBattery: medium\n");
        QVERIFY(window->minimumSizeHint().width() < window->screen()->availableSize().width());
        window->close();
        QVERIFY(!pad->watched);
    }

    // While the device moves the Device window draws at least 30 frames a
    // second; at rest, nothing more often than the list's 100 ms tick.
    void theDeviceWindowDrawsOftenOnlyWhileTheDeviceMoves()
    {
        VirtualJoystick pad({"Moving Pad", 2, 1, 1});
        popup()->setCurrentIndex(0);
        DeviceWindow *window = DeviceWindow::showFor(MainWindow::instance());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        window->findChild<StickView *>()->installEventFilter(&counter);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 600) {
            pad.setAxis(0, Sint16(clock.elapsed() % 100 * 50)); // near the centre: it rests
            QTest::qWait(5);
        }
        QVERIFY2(counter.paints >= 18, qPrintable(QString::number(counter.paints)));
        QTRY_VERIFY(!heard("Stick 1").contains("Rest offset: not"));
        QTRY_COMPARE(window->findChild<QTimer *>()->interval(), 100);
        counter.paints = 0;
        QTest::qWait(300);
        QCOMPARE(counter.paints, 0);
    }

    // The conversions between values and the list's texts, which are the
    // only record of Min, Now and Max.
    void valueTexts_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const QString zeros(400, '0');
        const QString rows[][4] = {
            {"16-bit top stays", "narrow", "32767", "32767"},
            {"one past the top wraps", "narrow", "32768", "-32768"},
            {"all ones is -1", "narrow", "65535", "-1"},
            {"negative beyond 16 bits", "narrow", "-40000", "25536"},
            {"smallest 32-bit value", "narrow", "-2147483648", "0"},
            {"empty cell", "read", "", "0"},
            {"no number", "read", "abc", "0"},
            {"a lone minus", "read", "-", "0"},
            {"leading zeros", "read", "-0042", "-42"},
            {"spaces and plus", "read", " \t+92abc", "92"},
            {"fraction", "read", ".5", "0.5"},
            {"exponent, then an e without digits", "read", "25E-1e", "2.5"},
            {"hexadecimal is not decimal", "read", "0x10", "0"},
            {"infinity is no decimal number", "read", "-inf", "0"},
            {"beyond a double saturates", "read", "-1e999", "-inf"},
            {"below the smallest double", "read", "1e-999", "0"},
            // Which way the range was left depends on the magnitude, not on "e-".
            {"huge negative, point and exponent", "read", "-12.5e999", "-inf"},
            {"beyond Latin-1 ends the number", "read", "7☃8", "7"},
            {"long text", "read", "-7" + QString(100, 'x'), "-7"},
            {"tiny without exponent", "read", "0." + zeros + "1", "0"},
            {"huge with a negative exponent", "read", "1" + zeros + "e-5", "inf"},
            {"minus zero", "write", "-0", "0"},
            {"largest exact whole number", "write", "9007199254740991", "9007199254740991"},
            {"fraction towards zero", "clamp", "-120.9", "-120"},
            {"far above", "clamp", "1e12", "2147483647"},
            {"far below", "clamp", "-inf", "-2147483648"},
            {"not a number", "clamp", "nan", "-1"},
        };
        for (const auto &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
    }
    void valueTexts()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const double number = input == "nan"    ? std::nan("")
                              : input == "-inf" ? -INFINITY
                                                : input.toDouble();
        QCOMPARE(function == "narrow"  ? QString::number(ValueText::narrowTo16Bits(input.toInt()))
                 : function == "read"  ? ValueText::realText(ValueText::leadingNumber(input))
                 : function == "write" ? ValueText::realText(number)
                                       : QString::number(ValueText::clampToInt32(number, -1)),
                 expected);
    }

    // Last: the program is quitting afterwards.
    void withoutAGameInputManagerTheProgramSaysSoAndEnds()
    {
        MessageRecorder recorder;
        seams().createGameInputManager = [] {
            return std::unique_ptr<GameInputManager>();
        };
        MainWindow::instance()->show();
        QTRY_COMPARE(recorder.messages, QStringList{"The GameInputManager could not be created."});
        QVERIFY(popup()->count() == 0 && !part<QTimer>("MainTimer")->isActive());
        QVERIFY(App::instance()->isQuitting());
    }
};

QUILLOMAT_TEST_MAIN(TestTester)
#include "tst_tester.moc"

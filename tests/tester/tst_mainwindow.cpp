#include "app/LocalizedText.h"
#include "prefs/PreferencesModule.h"
#include "support/Files.h"
#include "support/TestApp.h"
#include "VirtualJoystick.h"
#include "tester/MainWindow.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <csignal>
#include <sys/resource.h>

namespace {

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

QStringList popupRows(const MainWindow *window)
{
    QStringList rows;
    for (int index = 0; index < window->mainPopupMenu()->count(); ++index)
        rows.append(window->mainPopupMenu()->itemText(index));
    return rows;
}

// A device SDL cannot produce: element values beyond 16 bits.
class FakeElement final : public GameInputElement {
public:
    FakeElement(QString name, std::int32_t value)
        : name_(std::move(name))
        , value_(value)
    {}
    QString Name() const override { return name_; }
    std::int32_t Value() const override { return value_; }
    void set(std::int32_t value) { value_ = value; }

private:
    QString name_;
    std::int32_t value_;
};

class FakeDevice final : public GameInputDevice {
public:
    QString Name() const override { return QStringLiteral("Wide Pad"); }
    std::int32_t ElementCount() override { return 1; }
    GameInputElement *Element(std::int32_t index) override { return index == 0 ? &wide : nullptr; }
    FakeElement wide{QStringLiteral("Wide axis"), 40000};
};

class FakeManager final : public GameInputManager {
public:
    explicit FakeManager(FakeDevice *device)
        : device_(device)
    {}
    std::int32_t DeviceCount() const override { return 1; }
    GameInputDevice *Device(std::int32_t index) override { return index == 0 ? device_ : nullptr; }

private:
    FakeDevice *device_;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    Seams defaultSeams_ = Seams::defaults();
    QString chosenPath_;
    QStringList offeredNames_;

    void chooseFile(const QString &path)
    {
        chosenPath_ = path;
        App::instance()->seams().saveFileName = [this](QWidget *, const QString &defaultName) {
            offeredNames_.append(defaultName);
            return chosenPath_;
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
        App::instance()->seams() = defaultSeams_;
        PreferencesModule::mainWindowLeft = PreferencesModule::mainWindowTop = -1;
        PreferencesModule::mainWindowWidth = PreferencesModule::mainWindowHeight = -1;
        offeredNames_.clear();
    }

    void cleanup() { MainWindow::release(); }

    void opensWithThePadsOfferedAndNoneSelected()
    {
        VirtualJoystick first({"Test Pad", 3, 4, 1});
        VirtualJoystick second({"Test Pad", 2, 0, 0});
        MainWindow *window = MainWindow::instance();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillomat"));
        QCOMPARE(popupRows(window), (QStringList{"Test Pad", "Test Pad"}));
        QCOMPARE(window->mainPopupMenu()->currentIndex(), -1);
        QCOMPARE(listRows(window), QStringList{});
        QVERIFY(window->mainTimer()->isActive());
        QCOMPARE(window->mainTimer()->interval(), 100);
        QCOMPARE(MainWindow::instance(), window);
    }

    void selectingAPadListsEveryElementAtItsPresentValue()
    {
        VirtualJoystick first({"Test Pad", 3, 4, 1});
        VirtualJoystick second({"Test Pad", 2, 0, 0});
        first.setAxis(0, -32768);
        first.setAxis(2, 32767);
        first.setButton(3, true);
        first.setHat(0, SDL_HAT_RIGHT);
        second.setAxis(1, 777);
        MainWindow *window = MainWindow::instance();

        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|-32768|-32768|-32768", "Axis 1|0|0|0",
                              "Axis 2|32767|32767|32767", "Button 0|0|0|0", "Button 1|0|0|0",
                              "Button 2|0|0|0", "Button 3|1|1|1", "Hat 0|2|2|2"}));

        // The twin of the same name is a device of its own.
        window->mainPopupMenu()->setCurrentIndex(1);
        QCOMPARE(listRows(window), (QStringList{"Axis 0|0|0|0", "Axis 1|777|777|777"}));
    }

    void eachTickWidensMinAndMaxAndFollowsNow()
    {
        VirtualJoystick pad({"Test Pad", 1, 1, 1});
        pad.setAxis(0, 128);
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);

        pad.setButton(0, true);
        pad.setAxis(0, -32768);
        pad.setHat(0, SDL_HAT_UP);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|-32768|-32768|128", "Button 0|0|1|1", "Hat 0|0|1|1"}));
        pad.setButton(0, false);
        pad.setAxis(0, 32767);
        pad.setHat(0, SDL_HAT_CENTERED);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        pad.setAxis(0, 128);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        QCOMPARE(listRows(window),
                 (QStringList{"Axis 0|-32768|128|32767", "Button 0|0|0|1", "Hat 0|0|0|1"}));
    }

    void theRunningTimerSamplesWithoutBeingAsked()
    {
        VirtualJoystick pad({"Test Pad", 1, 0, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        pad.setAxis(0, 1000);
        QTRY_COMPARE_WITH_TIMEOUT(listRows(window), QStringList{"Axis 0|0|1000|1000"}, 2000);
    }

    void selectingAgainRestartsTheExtremes()
    {
        VirtualJoystick first({"First Pad", 1, 0, 0});
        VirtualJoystick second({"Second Pad", 0, 1, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        first.setAxis(0, 30000);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        first.setAxis(0, -5);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{"Axis 0|-5|-5|30000"});

        window->mainPopupMenu()->setCurrentIndex(1);
        QCOMPARE(listRows(window), QStringList{"Button 0|0|0|0"});
        // The first pad's elements are no longer read.
        first.setAxis(0, 12);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{"Button 0|0|0|0"});

        VirtualJoystick::settle();
        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(listRows(window), QStringList{"Axis 0|12|12|12"});
    }

    void aPadUnpluggedWhileSelectedReadsAtRest()
    {
        auto pad = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"Loose Pad", 1, 1, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        pad->setAxis(0, -20000);
        pad->setButton(0, true);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        pad.reset();
        VirtualJoystick::settle();
        window->MainTimer_Action();
        QCOMPARE(listRows(window), (QStringList{"Axis 0|-20000|0|0", "Button 0|0|0|1"}));
    }

    void valuesBeyond16BitsShowInFullUntilTheFirstTick()
    {
        FakeDevice device;
        App::instance()->seams().createGameInputManager = [&device] {
            return std::make_unique<FakeManager>(&device);
        };
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        QCOMPARE(listRows(window), QStringList{"Wide axis|40000|40000|40000"});
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{"Wide axis|-25536|-25536|40000"});
        device.wide.set(-40000);
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{"Wide axis|-25536|25536|40000"});
    }

    void withoutPadsThePopupAndListStayEmptyAndSaveStillWorks()
    {
        QTemporaryDir folder;
        MessageRecorder recorder;
        MainWindow *window = MainWindow::instance();
        QCOMPARE(popupRows(window), QStringList{});
        VirtualJoystick::settle();
        window->MainTimer_Action();
        QCOMPARE(listRows(window), QStringList{});

        chooseFile(folder.filePath(".txt"));
        window->savePushButton()->click();
        QCOMPARE(offeredNames_, QStringList{".txt"});
        QCOMPARE(readFile(folder.filePath(".txt")), QByteArray("\n\n"));
        QCOMPARE(recorder.messages, QStringList{"The \".txt\" file was successfully created.\n"
                                                "Now you can quit the application."});
    }

    void saveWritesTheListAsShown()
    {
        QTemporaryDir folder;
        MessageRecorder recorder;
        VirtualJoystick pad({"Test Pad", 1, 1, 0});
        VirtualJoystick bare({"Bare Pad", 0, 0, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);
        pad.setAxis(0, -32768);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        pad.setAxis(0, 0);
        pad.setButton(0, true);
        VirtualJoystick::settle();
        window->MainTimer_Action();
        pad.setButton(0, false);
        VirtualJoystick::settle();
        window->MainTimer_Action();

        // The user renamed the file; the message still names the device.
        chooseFile(folder.filePath("renamed.txt"));
        window->SavePushButton_Action();
        QCOMPARE(offeredNames_, QStringList{"Test Pad.txt"});
        QCOMPARE(readFile(folder.filePath("renamed.txt")),
                 QByteArray("Test Pad\n\n"
                            "Axis 0 : Minimum = -32768, Default = 0, Maximum = 0\n"
                            "Button 0 : Minimum = 0, Default = 0, Maximum = 1\n"));
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages.at(0).startsWith("The \"Test Pad.txt\" file was successfully"));

        window->mainPopupMenu()->setCurrentIndex(1);
        chooseFile(folder.filePath("bare.txt"));
        window->SavePushButton_Action();
        QCOMPARE(readFile(folder.filePath("bare.txt")), QByteArray("Bare Pad\n\n"));
    }

    void everyFailedSaveSaysSoAndNeverClaimsSuccess_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("expectedMessage");
        QTest::newRow("dialog cancelled") << "cancel"
                                          << "The \"Test Pad.txt\" file does not exist.";
        QTest::newRow("place cannot hold a file")
            << "unwritable"
            << "The \"Test Pad.txt\" file could not be created.";
        QTest::newRow("write fails part way") << "full disk"
                                              << "The \"Test Pad.txt\" file could not be created.";
    }
    void everyFailedSaveSaysSoAndNeverClaimsSuccess()
    {
        QFETCH(QString, failure);
        QFETCH(QString, expectedMessage);
        QTemporaryDir folder;
        MessageRecorder recorder;
        VirtualJoystick pad({"Test Pad", 64, 64, 0});
        MainWindow *window = MainWindow::instance();
        window->mainPopupMenu()->setCurrentIndex(0);

        const QString earlierFile = folder.filePath("Test Pad.txt");
        QFile earlier(earlierFile);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier report\n");
        earlier.close();
        QFile blocker(folder.filePath("a file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        if (failure == "cancel") {
            chooseFile(QString());
            window->SavePushButton_Action();
        } else if (failure == "unwritable") {
            chooseFile(folder.filePath("a file/Test Pad.txt"));
            window->SavePushButton_Action();
        } else {
            chooseFile(earlierFile);
            const FileSizeLimit limit(100);
            window->SavePushButton_Action();
        }
        QCOMPARE(recorder.messages, QStringList{expectedMessage});
        QCOMPARE(readFile(earlierFile), QByteArray("earlier report\n"));
    }

    void returnPressesSave()
    {
        MessageRecorder recorder;
        MainWindow *window = MainWindow::instance();
        chooseFile(QString());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->mainPopupMenu()->setFocus();
        QTest::keyClick(window->mainPopupMenu(), Qt::Key_Return);
        QCOMPARE(offeredNames_, QStringList{".txt"});
        QCOMPARE(recorder.messages.size(), 1);
    }

    void controlsFollowTheirAnchorsWhenTheWindowGrows()
    {
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->content()->resize(350, 400);
        auto geometryOf = [window](const char *name) {
            return window->content()->findChild<QWidget *>(name)->geometry();
        };
        QCOMPARE(geometryOf("MainListBox"), QRect(10, 70, 330, 240));
        QCOMPARE(geometryOf("SavePushButton"), QRect(240, 370, 100, 20));

        window->resize(window->width() + 150, window->height() + 200);
        QTRY_COMPARE(window->content()->size(), QSize(500, 600));
        QCOMPARE(geometryOf("SelectStaticText"), QRect(10, 10, 480, 20));
        QCOMPARE(geometryOf("MainPopupMenu"), QRect(10, 40, 480, 20));
        QCOMPARE(geometryOf("MainListBox"), QRect(10, 70, 480, 440));
        QCOMPARE(geometryOf("InstructionsStaticText"), QRect(10, 520, 480, 40));
        QCOMPARE(geometryOf("SavePushButton"), QRect(390, 570, 100, 20));
        const QHeaderView *header = window->mainListBox()->header();
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(header->sectionSize(column), 60);
        QVERIFY(header->sectionSize(0) > 480 - 3 * 60 - 40);
    }

    void theWindowNeverShrinksBelowItsDesign()
    {
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->resize(100, 100);
        QTRY_COMPARE(window->content()->size(), QSize(350, 400));
    }

    void storedGeometryAppliesValueByValue()
    {
        PreferencesModule::mainWindowWidth = 500;
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->content()->size(), QSize(500, 400));
        MainWindow::release();

        PreferencesModule::mainWindowWidth = -1;
        PreferencesModule::mainWindowLeft = 40;
        PreferencesModule::mainWindowTop = 60;
        PreferencesModule::mainWindowHeight = 450;
        window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->pos(), QPoint(40, 60));
        QCOMPARE(window->content()->size(), QSize(350, 450));
    }

    void movingAndResizingRecordOnlyTheirOwnValues()
    {
        MainWindow *window = MainWindow::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Showing the window records nothing: it is still where it was designed.
        QCOMPARE(PreferencesModule::mainWindowWidth, -1);
        QCOMPARE(PreferencesModule::mainWindowLeft, -1);

        window->move(70, 80);
        QTRY_COMPARE(PreferencesModule::mainWindowLeft, 70);
        QCOMPARE(PreferencesModule::mainWindowTop, 80);
        QCOMPARE(PreferencesModule::mainWindowWidth, -1);
        QCOMPARE(PreferencesModule::mainWindowHeight, -1);

        PreferencesModule::mainWindowLeft = PreferencesModule::mainWindowTop = -1;
        window->resize(window->width() + 10, window->height() + 20);
        QTRY_COMPARE(PreferencesModule::mainWindowWidth, 360);
        QCOMPARE(PreferencesModule::mainWindowHeight, 420);
        QCOMPARE(PreferencesModule::mainWindowLeft, -1);
        QCOMPARE(PreferencesModule::mainWindowTop, -1);
    }

    void translatableTextsAreInPlace()
    {
        MainWindow *window = MainWindow::instance();
        const QTreeWidgetItem *headings = window->mainListBox()->headerItem();
        QCOMPARE((QStringList{headings->text(0), headings->text(1), headings->text(2),
                              headings->text(3)}),
                 (QStringList{"Element", "Min", "Now", "Max"}));
        QCOMPARE(window->savePushButton()->text(), QStringLiteral("Save..."));
        QCOMPARE(window->content()->findChild<QLabel *>("SelectStaticText")->text(),
                 QStringLiteral("Select a USB device:"));
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
        QCOMPARE(popupRows(window), QStringList{});
        QVERIFY(!window->mainTimer()->isActive());
        QVERIFY(App::instance()->isQuitting());
    }
};

QUILLOMAT_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

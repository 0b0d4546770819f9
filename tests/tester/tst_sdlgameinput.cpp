#include "VirtualJoystick.h"
#include "support/TestApp.h"
#include "tester/SdlGameInput.h"

#include <QTest>

#include <memory>

namespace {

QStringList elementNames(GameInputDevice *device)
{
    QStringList names;
    for (std::int32_t index = 0; index < device->ElementCount(); ++index)
        names.append(device->Element(index)->Name());
    return names;
}

} // namespace

class TestSdlGameInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (VirtualJoystick::hostJoystickCount() > 0)
            QSKIP("this machine has game devices of its own; the expected lists would not hold");
    }

    void devicesKeepTheirIndexForTheWholeRun()
    {
        auto first = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"First", 1, 0, 0});
        VirtualJoystick second({"Second", 2, 2, 1});
        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        VirtualJoystick late({"Late", 1, 1, 0});
        QCOMPARE(manager->DeviceCount(), 2);

        // SDL's own indexes move down when a pad goes; index 1 is still "Second".
        first.reset();
        GameInputDevice *device = manager->Device(1);
        QCOMPARE(device->Name(), QStringLiteral("Second"));
        QCOMPARE(elementNames(device),
                 (QStringList{"Axis 0", "Axis 1", "Button 0", "Button 1", "Hat 0"}));
        second.setButton(1, true);
        VirtualJoystick::settle();
        QCOMPARE(device->Element(3)->Value(), 1);
        QCOMPARE(manager->Device(1), device);
        // The pad that went away offers nothing to read and does not crash.
        QCOMPARE(manager->Device(0)->ElementCount(), 0);
    }

    void gameControllerElementsAreNamedAfterTheirRole()
    {
        VirtualJoystick pad({"Controller Pad", 6, 15, 1, true});
        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        const QStringList names = elementNames(manager->Device(0));
        QCOMPARE(names.size(), 22);
        QCOMPARE(names.at(0), QStringLiteral("Axis 0 (left stick X)"));
        QCOMPARE(names.at(5), QStringLiteral("Axis 5 (right trigger)"));
        QCOMPARE(names.at(6), QStringLiteral("Button 0 (A)"));
        QCOMPARE(names.at(6 + 11), QStringLiteral("Button 11 (D-pad up)"));
        QCOMPARE(names.at(21), QStringLiteral("Hat 0"));
    }
};

QUILLOMAT_TEST_MAIN(TestSdlGameInput)
#include "tst_sdlgameinput.moc"

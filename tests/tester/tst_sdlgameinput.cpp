#include "support/TestApp.h"
#include "VirtualJoystick.h"
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

    void listsThePadsPresentAtCreationByIndex()
    {
        VirtualJoystick first({"Test Pad", 2, 2, 0});
        VirtualJoystick second({"Test Pad", 1, 0, 0});
        VirtualJoystick third({"Other Pad", 0, 3, 0});
        QVERIFY(first.isAttached() && second.isAttached() && third.isAttached());

        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        QCOMPARE(manager->DeviceCount(), 3);
        QCOMPARE(manager->Device(0)->Name(), QStringLiteral("Test Pad"));
        QCOMPARE(manager->Device(1)->Name(), QStringLiteral("Test Pad"));
        QCOMPARE(manager->Device(2)->Name(), QStringLiteral("Other Pad"));
        // Two pads of the same name are still two devices of their own.
        QCOMPARE(manager->Device(0)->ElementCount(), 4);
        QCOMPARE(manager->Device(1)->ElementCount(), 1);
        QCOMPARE(manager->Device(2)->ElementCount(), 3);
        // The same index gives the same device and elements for the whole run.
        QCOMPARE(manager->Device(1), manager->Device(1));
        QCOMPARE(manager->Device(0)->Element(3), manager->Device(0)->Element(3));

        VirtualJoystick late({"Late Pad", 1, 1, 0});
        QCOMPARE(manager->DeviceCount(), 3);
    }

    void elementsAreAxesThenButtonsThenHatsWithPresentValues()
    {
        VirtualJoystick pad({"Plain Pad", 3, 2, 1});
        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        QCOMPARE(manager->DeviceCount(), 1);
        GameInputDevice *device = manager->Device(0);
        QCOMPARE(elementNames(device),
                 (QStringList{"Axis 0", "Axis 1", "Axis 2", "Button 0", "Button 1", "Hat 0"}));

        pad.setAxis(0, -32768);
        pad.setAxis(1, 32767);
        pad.setAxis(2, 1234);
        pad.setButton(1, true);
        pad.setHat(0, SDL_HAT_LEFTUP);
        VirtualJoystick::settle();
        const QList<std::int32_t> expected{-32768, 32767, 1234, 0, 1, SDL_HAT_LEFTUP};
        for (std::int32_t index = 0; index < device->ElementCount(); ++index)
            QCOMPARE(device->Element(index)->Value(), expected.at(index));

        // Each read is the present state, with no refresh asked for.
        pad.setButton(1, false);
        VirtualJoystick::settle();
        QCOMPARE(device->Element(4)->Value(), 0);
    }

    void gameControllerElementsAreNamedAfterTheirRole()
    {
        VirtualJoystick pad({"Controller Pad", 6, 15, 1, true});
        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        const QStringList names = elementNames(manager->Device(0));
        QCOMPARE(names.size(), 22);
        QCOMPARE(names.at(0), QStringLiteral("Axis 0 (left stick X)"));
        QCOMPARE(names.at(3), QStringLiteral("Axis 3 (right stick Y)"));
        QCOMPARE(names.at(5), QStringLiteral("Axis 5 (right trigger)"));
        QCOMPARE(names.at(6), QStringLiteral("Button 0 (A)"));
        QCOMPARE(names.at(6 + 6), QStringLiteral("Button 6 (Start)"));
        QCOMPARE(names.at(6 + 11), QStringLiteral("Button 11 (D-pad up)"));
    }

    void aPadUnpluggedAfterOpeningReadsAtRest()
    {
        VirtualJoystick pad({"Loose Pad", 1, 1, 1});
        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        GameInputDevice *device = manager->Device(0);
        QCOMPARE(device->ElementCount(), 3);
        pad.setAxis(0, 20000);
        pad.setButton(0, true);
        pad.setHat(0, SDL_HAT_DOWN);
        VirtualJoystick::settle();
        QCOMPARE(device->Element(0)->Value(), 20000);

        pad.detach();
        VirtualJoystick::settle();
        for (std::int32_t index = 0; index < 3; ++index)
            QCOMPARE(device->Element(index)->Value(), 0);
    }

    void aPadFoundAgainAfterAnEarlierOneWasUnplugged()
    {
        auto first = std::make_unique<VirtualJoystick>(VirtualJoystick::Layout{"First", 1, 0, 0});
        VirtualJoystick second({"Second", 0, 2, 0});
        auto manager = SdlGameInputManager::create();
        QVERIFY(manager);
        QCOMPARE(manager->DeviceCount(), 2);

        // SDL's own indexes move down; index 1 must still be "Second".
        first.reset();
        QCOMPARE(manager->Device(1)->Name(), QStringLiteral("Second"));
        QCOMPARE(elementNames(manager->Device(1)), (QStringList{"Button 0", "Button 1"}));
        second.setButton(1, true);
        VirtualJoystick::settle();
        QCOMPARE(manager->Device(1)->Element(1)->Value(), 1);
        // The unplugged one offers nothing to read and does not crash.
        QCOMPARE(manager->Device(0)->ElementCount(), 0);
        QCOMPARE(manager->Device(0)->Element(0), nullptr);
    }
};

QUILLOMAT_TEST_MAIN(TestSdlGameInput)
#include "tst_sdlgameinput.moc"

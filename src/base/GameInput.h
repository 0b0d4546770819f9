#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The game input service as the tester window sees it: devices and their
// elements, addressed by 0-based index, values read on demand.
//
// Objects returned by a manager stay valid for as long as the manager lives;
// the same index always gives the same device for the whole run.

// An element's present value, with the lowest and highest values the device
// reported since the previous sample (the present one among them), and every
// bit set in any of them: for a hat, each direction it pointed in.
struct GameInputSample {
    std::int32_t lowest = 0;
    std::int32_t now = 0;
    std::int32_t highest = 0;
    std::uint32_t bits = 0;
};

// What an element is, and so its scale: an axis reads -32768 to 32767, a
// button 0 or 1, a hat the direction bits 1 up, 2 right, 4 down, 8 left.
enum class GameInputKind { Other, Axis, Button, Hat };

class GameInputElement {
public:
    virtual ~GameInputElement() = default;
    virtual QString Name() const = 0;
    virtual GameInputKind Kind() const { return GameInputKind::Other; }
    // The element's present state. Returns at once and never blocks.
    virtual std::int32_t Value() const = 0;
    // Like Value(), and starts the next sample's extremes afresh. A service
    // that sees only present values reports no others.
    virtual GameInputSample Sample()
    {
        const std::int32_t value = Value();
        return {value, value, value, static_cast<std::uint32_t>(value)};
    }
};

// A stick: two axes of a device read as one position, with what every
// position it reported says about it.
struct GameInputStick {
    enum class Side { Unnamed, Left, Right };
    Side side = Side::Unnamed;
    // The element indexes of its axes.
    std::int32_t xElement = 0;
    std::int32_t yElement = 0;
    // The present position, each axis -32768 to 32767 (Y grows downwards).
    std::int16_t x = 0;
    std::int16_t y = 0;
    // The farthest the stick went in each whole degree of direction (0 to
    // the right, anticlockwise: 90 is up), a full deflection of 32767 being
    // 1; 0 where it never went.
    std::array<float, 360> outline{};
    // Over the directions it went halfway or more, the mean of |r - 1|, r
    // being the outline there; negative before there are any.
    float circularityError = -1;
    // Its distance from the centre, as a fraction of a full deflection, once
    // it has been still for half a second; negative before.
    float restOffset = -1;
    // Positions reported per second while it last moved; 0 before.
    float reportsPerSecond = 0;
};

// What a device says about itself beyond its name. Every text in it is the
// device's own, or its driver's: untrusted.
struct GameInputIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t productVersion = 0;
    // 0 where the device does not tell.
    std::uint16_t firmwareVersion = 0;
    QString serial;
    QString guid;
    // The kind of controller the service recognises ("Xbox 360", "PS4");
    // empty where it does not.
    QString controllerType;
    // The service's game-controller mapping for it; empty where it has none.
    QString mapping;
    enum class Connection { Unknown, Wired, Wireless };
    Connection connection = Connection::Unknown;
    enum class Battery { Unknown, Empty, Low, Medium, Full };
    Battery battery = Battery::Unknown;
};

// What a device can be asked to do.
struct GameInputOutputs {
    bool rumble = false;
    bool triggerRumble = false;
    bool light = false;
};

// A device's motion sensors, as read at one moment.
struct GameInputMotion {
    bool gyroscope = false;
    bool accelerometer = false;
    // Of everything reported since the previous read, the reading of largest
    // magnitude, so that a flick shows at its peak: degrees per second about
    // X, Y and Z, and g along them.
    std::array<float, 3> rotation{};
    std::array<float, 3> acceleration{};
    // While the device has lain still for two seconds, the gyroscope's mean
    // over them.
    bool still = false;
    std::array<float, 3> drift{};
};

// A finger on a touchpad: where (0 to 1 from the top left) and how hard
// (0 to 1). A finger that touched and left since the previous read counts
// as down once.
struct GameInputFinger {
    bool down = false;
    float x = 0;
    float y = 0;
    float pressure = 0;
};

class GameInputDevice {
public:
    virtual ~GameInputDevice() = default;
    // The device's own name, as it gives it: untrusted text, which twins share.
    virtual QString Name() const = 0;
    virtual GameInputIdentity Identity() const { return {}; }
    // False once the device has been unplugged; a device plugged in again
    // becomes connected again. Its elements stay, and read their last value
    // while it is away.
    virtual bool Connected() const { return true; }
    virtual std::int32_t ElementCount() = 0;
    virtual GameInputElement *Element(std::int32_t index) = 0;
    // Its sticks, once its elements are listed; a service without any
    // offers none.
    virtual std::int32_t StickCount() { return 0; }
    // Fills `stick` with the stick's present state; false past the count.
    virtual bool ReadStick(std::int32_t index, GameInputStick &stick)
    {
        Q_UNUSED(index);
        Q_UNUSED(stick);
        return false;
    }
    // Forgets what the stick went through, to measure it again.
    virtual void ClearStick(std::int32_t index) { Q_UNUSED(index); }

    // Outputs, each asked of the device: the answer is empty when the
    // device took the request, or says why it did not. Zero strengths stop.
    virtual GameInputOutputs Outputs() { return {}; }
    virtual QString Rumble(std::uint16_t lowFrequency, std::uint16_t highFrequency,
                           std::uint32_t milliseconds)
    {
        Q_UNUSED(lowFrequency);
        Q_UNUSED(highFrequency);
        Q_UNUSED(milliseconds);
        return QStringLiteral("no rumble");
    }
    virtual QString RumbleTriggers(std::uint16_t left, std::uint16_t right,
                                   std::uint32_t milliseconds)
    {
        Q_UNUSED(left);
        Q_UNUSED(right);
        Q_UNUSED(milliseconds);
        return QStringLiteral("no trigger rumble");
    }
    virtual QString SetLight(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        Q_UNUSED(red);
        Q_UNUSED(green);
        Q_UNUSED(blue);
        return QStringLiteral("no light");
    }
    // Gives the light back what it showed before a colour was set, as far
    // as the service can tell.
    virtual void RestoreLight() {}

    // Motion sensors and touchpads report only while watched (the Device
    // window shows the device).
    virtual void Watch(bool watched) { Q_UNUSED(watched); }
    virtual bool ReadMotion(GameInputMotion &motion)
    {
        Q_UNUSED(motion);
        return false;
    }
    virtual std::int32_t TouchpadCount() { return 0; }
    // The fingers a touchpad can tell apart, each as last reported.
    virtual bool ReadTouchpad(std::int32_t index, std::vector<GameInputFinger> &fingers)
    {
        Q_UNUSED(index);
        Q_UNUSED(fingers);
        return false;
    }
};

class GameInputManager {
public:
    virtual ~GameInputManager() = default;
    // Every device seen so far, unplugged ones included: a device plugged in
    // later is added at the end, so indexes never shift.
    virtual std::int32_t DeviceCount() = 0;
    virtual GameInputDevice *Device(std::int32_t deviceIndex) = 0;
};

// The game input service itself is a Qt plugin, "quillomat-sdl", which the
// program loads once its window shows.
class GameInputService {
public:
    virtual ~GameInputService() = default;
    // The manager, or nullptr when the service cannot be started.
    virtual std::unique_ptr<GameInputManager> createManager() = 0;
};

#define GameInputService_iid "com.brindlecove.Quillomat.GameInputService/1"
Q_DECLARE_INTERFACE(GameInputService, GameInputService_iid)

#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>

#include <cstdint>
#include <memory>

// The game input service as the tester window sees it: devices and their
// elements, addressed by 0-based index, values read on demand.
//
// Objects returned by a manager stay valid for as long as the manager lives;
// the same index always gives the same device for the whole run.

// An element's present value, with the lowest and highest values the device
// reported since the previous sample (the present one among them).
struct GameInputSample {
    std::int32_t lowest = 0;
    std::int32_t now = 0;
    std::int32_t highest = 0;
};

class GameInputElement {
public:
    virtual ~GameInputElement() = default;
    virtual QString Name() const = 0;
    // The element's present state. Returns at once and never blocks.
    virtual std::int32_t Value() const = 0;
    // Like Value(), and starts the next sample's extremes afresh. A service
    // that sees only present values reports no others.
    virtual GameInputSample Sample()
    {
        const std::int32_t value = Value();
        return {value, value, value};
    }
};

// What a device says about itself beyond its name.
struct GameInputIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
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

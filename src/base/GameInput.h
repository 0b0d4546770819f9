#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// The game input service as the tester window sees it: devices and their
// elements, addressed by 0-based index, values read on demand.
//
// Objects returned by a manager stay valid for as long as the manager lives;
// the same index always gives the same device for the whole run.

class GameInputElement {
public:
    virtual ~GameInputElement() = default;
    virtual QString Name() const = 0;
    // The element's present state. Returns at once and never blocks.
    virtual std::int32_t Value() const = 0;
};

class GameInputDevice {
public:
    virtual ~GameInputDevice() = default;
    virtual QString Name() const = 0;
    virtual std::int32_t ElementCount() = 0;
    virtual GameInputElement *Element(std::int32_t index) = 0;
};

class GameInputManager {
public:
    virtual ~GameInputManager() = default;
    virtual std::int32_t DeviceCount() const = 0;
    virtual GameInputDevice *Device(std::int32_t deviceIndex) = 0;
};

#pragma once

#include "app/App.h"
#include "tester/GameInput.h"

#include <memory>

// A game input manager that finds no device, for windows that need one but
// whose test is about something else.
class NoDevices final : public GameInputManager {
public:
    std::int32_t DeviceCount() const override { return 0; }
    GameInputDevice *Device(std::int32_t) override { return nullptr; }
};

// Makes the next tester window open with no device at all.
inline void useNoDevices()
{
    App::instance()->seams().createGameInputManager = [] {
        return std::make_unique<NoDevices>();
    };
}

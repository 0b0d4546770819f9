#pragma once

#include "base/GameInput.h"

#include <memory>
#include <vector>

class SdlGameInputDevice;
class SdlStateRefresher;

// The game input service over SDL2's joystick API.
//
// Only the joystick subsystem is initialised; SDL installs no signal handlers
// and queues no events. The device list is the one present at creation; each
// device is opened the first time it is asked for its elements and then kept.
// A value read is at most a millisecond old.
class SdlGameInputManager final : public GameInputManager {
public:
    // Returns nullptr when SDL's joystick subsystem cannot be initialised.
    static std::unique_ptr<SdlGameInputManager> create();
    ~SdlGameInputManager() override;

    SdlGameInputManager(const SdlGameInputManager &) = delete;
    SdlGameInputManager &operator=(const SdlGameInputManager &) = delete;

    std::int32_t DeviceCount() const override;
    GameInputDevice *Device(std::int32_t deviceIndex) override;

private:
    SdlGameInputManager();

    std::unique_ptr<SdlStateRefresher> refresher_;
    std::vector<std::unique_ptr<SdlGameInputDevice>> devices_;
};

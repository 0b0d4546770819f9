#pragma once

#include "base/GameInput.h"

#include <SDL_joystick.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class SdlGameInputDevice;

// The game input service over SDL2's joystick API.
//
// Only the joystick subsystem is initialised, and SDL installs no signal
// handlers. A device is opened the first time it is asked for its elements
// and kept open while plugged in. While one is open, a thread of the
// manager's pumps SDL every few milliseconds: SDL reads the devices' pending
// reports and queues one event per change. Every read on the UI thread takes
// the queued values into their elements' extremes, so that no press between
// two samples is lost, and notices devices plugged in or out: the device list
// only grows.
class SdlGameInputManager final : public GameInputManager {
public:
    // How often SDL is pumped while a device is open: a person's quickest
    // tap lasts longer, and the kernel's queue of a fast pad holds this much.
    static constexpr int pumpInterval = 8;

    // Returns nullptr when SDL's joystick subsystem cannot be initialised.
    static std::unique_ptr<SdlGameInputManager> create();
    ~SdlGameInputManager() override;

    std::int32_t DeviceCount() override;
    GameInputDevice *Device(std::int32_t deviceIndex) override;

    // Brings SDL's state up to date and takes in everything it reported since
    // the last time; at most once a millisecond.
    void refresh();
    // Pumps while an open device may report, and only then.
    void followPumping();

private:
    SdlGameInputManager() = default;

    void drainEvents();
    // The open, plugged-in device whose values SDL reports under `instanceId`.
    SdlGameInputDevice *reportingDevice(SDL_JoystickID instanceId) const;
    void followDevices();

    void stopPumping();

    // The pump touches nothing of the manager's but these; SDL locks its own.
    std::thread pump_;
    std::mutex pumpMutex_;
    std::condition_variable pumpStop_;
    bool stopPump_ = false;
    // The clock's epoch, long past: the first read refreshes.
    std::chrono::steady_clock::time_point lastRefresh_;
    std::vector<std::unique_ptr<SdlGameInputDevice>> devices_;
};

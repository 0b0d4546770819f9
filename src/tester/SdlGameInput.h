#pragma once

#include "base/GameInput.h"

#include <QObject>

#include <SDL_joystick.h>

#include <chrono>
#include <memory>
#include <vector>

class QTimer;
class SdlGameInputDevice;

// The game input service over SDL2's joystick API.
//
// Only the joystick subsystem is initialised, and SDL installs no signal
// handlers. A device is opened the first time it is asked for its elements
// and kept open while plugged in. While one is open, SDL is pumped every few
// milliseconds and every value it reports is folded into its element's
// extremes, so that no press between two samples is lost. Each pump also
// notices devices plugged in or out: the device list only grows.
class SdlGameInputManager final : public QObject, public GameInputManager {
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
    // Pumps while an open device may report.
    void followPumping();

private:
    SdlGameInputManager();

    void drainEvents();
    // The open, plugged-in device whose values SDL reports under `instanceId`.
    SdlGameInputDevice *reportingDevice(SDL_JoystickID instanceId) const;
    void followDevices();

    QTimer *pump_ = nullptr;
    // The clock's epoch, long past: the first read refreshes.
    std::chrono::steady_clock::time_point lastRefresh_;
    std::vector<std::unique_ptr<SdlGameInputDevice>> devices_;
};

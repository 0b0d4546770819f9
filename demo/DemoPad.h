#pragma once

#include "VirtualJoystick.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// An SDL virtual game controller, "Quillomat Demo Pad", that moves by itself
// through the demo script. It appears to the program like any pad plugged
// in, and moves on a thread of its own, as a real pad moves whatever the
// program is busy with.
class DemoPad final {
public:
    static constexpr const char *name = "Quillomat Demo Pad";

    DemoPad() = default;
    ~DemoPad();
    DemoPad(const DemoPad &) = delete;
    DemoPad &operator=(const DemoPad &) = delete;

    void plugIn();
    bool isAttached() const { return pad_ && pad_->isAttached(); }

private:
    std::optional<VirtualJoystick> pad_;
    std::thread player_;
    std::mutex stopMutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
};

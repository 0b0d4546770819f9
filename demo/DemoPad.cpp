#include "DemoPad.h"

#include "DemoScript.h"

#include <chrono>
#include <cstdio>

namespace {

// How often the pad takes its next position: more often than SDL reads it.
constexpr std::chrono::milliseconds stepInterval(4);

} // namespace

DemoPad::~DemoPad()
{
    {
        const std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stop_.notify_one();
    if (player_.joinable())
        player_.join();
}

void DemoPad::plugIn()
{
    if (pad_)
        return;
    // A game controller, so that SDL names its elements by their roles.
    pad_.emplace(VirtualJoystick::Layout{name, DemoScript::axisCount, DemoScript::buttonCount,
                                         DemoScript::hatCount, true, 0, 0, true});
    if (!pad_->isAttached())
        return;
    // What the Device window asks of it, on standard error: it has no motors
    // or light to show it.
    pad_->onRequest([](const QString &request) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(request));
    });
    player_ = std::thread([this] {
        const auto started = std::chrono::steady_clock::now();
        std::unique_lock lock(stopMutex_);
        do {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - started);
            const DemoScript::PadState state = DemoScript::stateAt(elapsed.count());
            // One report: SDL reads none of it before all of it is set.
            SDL_LockJoysticks();
            for (int axis = 0; axis < DemoScript::axisCount; ++axis)
                pad_->setAxis(axis, state.axes[axis]);
            for (int button = 0; button < DemoScript::buttonCount; ++button)
                pad_->setButton(button, state.buttons[button]);
            pad_->setHat(0, state.hat);
            SDL_UnlockJoysticks();
        } while (!stop_.wait_for(lock, stepInterval, [this] { return stopping_; }));
    });
}

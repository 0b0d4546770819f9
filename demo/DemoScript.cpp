#include "DemoScript.h"

#include <SDL.h>

namespace DemoScript {

namespace {

constexpr std::int16_t lowest = -32768;
constexpr std::int16_t highest = 32767;
constexpr int firstTrigger = 4;

// Phases of one cycle, in order.
constexpr int sticksMs = sweepMs + holdMs + 2 * sweepMs + holdMs + sweepMs;
constexpr int triggersMs = sweepMs + holdMs + sweepMs;
constexpr int buttonsMs = buttonCount * holdMs;
constexpr std::array<std::uint8_t, 4> hatDirections{SDL_HAT_UP, SDL_HAT_RIGHT, SDL_HAT_DOWN,
                                                    SDL_HAT_LEFT};
constexpr int hatMs = static_cast<int>(hatDirections.size()) * holdMs;

std::int16_t between(int from, int to, int elapsed, int duration)
{
    return static_cast<std::int16_t>(from +
                                     (to - from) * static_cast<std::int64_t>(elapsed) / duration);
}

// Centre to the low end, hold, across to the high end, hold, back to centre.
std::int16_t stickAt(int t)
{
    if (t < sweepMs)
        return between(0, lowest, t, sweepMs);
    t -= sweepMs;
    if (t < holdMs)
        return lowest;
    t -= holdMs;
    if (t < 2 * sweepMs)
        return between(lowest, highest, t, 2 * sweepMs);
    t -= 2 * sweepMs;
    if (t < holdMs)
        return highest;
    t -= holdMs;
    return between(highest, 0, t, sweepMs);
}

// Released to fully pressed, hold, released again.
std::int16_t triggerAt(int t)
{
    if (t < sweepMs)
        return between(lowest, highest, t, sweepMs);
    t -= sweepMs;
    if (t < holdMs)
        return highest;
    t -= holdMs;
    return between(highest, lowest, t, sweepMs);
}

} // namespace

PadState restState()
{
    PadState state;
    state.axes[firstTrigger] = lowest;
    state.axes[firstTrigger + 1] = lowest;
    return state;
}

int cycleMs()
{
    return sticksMs + triggersMs + buttonsMs + hatMs + restMs;
}

PadState stateAt(std::int64_t elapsedMs)
{
    PadState state = restState();
    int t = static_cast<int>(elapsedMs % cycleMs());
    if (t < sticksMs) {
        for (int axis = 0; axis < firstTrigger; ++axis)
            state.axes[axis] = stickAt(t);
        return state;
    }
    t -= sticksMs;
    if (t < triggersMs) {
        state.axes[firstTrigger] = state.axes[firstTrigger + 1] = triggerAt(t);
        return state;
    }
    t -= triggersMs;
    if (t < buttonsMs) {
        state.buttons[t / holdMs] = t % holdMs < tapMs;
        return state;
    }
    t -= buttonsMs;
    if (t < hatMs)
        state.hat = hatDirections[t / holdMs];
    return state;
}

} // namespace DemoScript

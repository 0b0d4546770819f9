#include "DemoScript.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace DemoScript {

namespace {

constexpr std::int16_t lowest = -32768;
constexpr std::int16_t highest = 32767;
constexpr int firstTrigger = 4;

// Phases of one cycle, in order.
constexpr int sticksMs = sweepMs + gateMs + sweepMs;
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

std::int16_t axisValue(double fraction)
{
    return static_cast<std::int16_t>(std::clamp(std::lround(fraction * 32768), -32768L, 32767L));
}

// A point of a gate at `turn` (0 to 1, anticlockwise from the right), as
// axis values (Y grows downwards). The round gate is a shade larger than full
// deflection, so that the axes reach both their ends.
std::pair<std::int16_t, std::int16_t> gateAt(bool round, double turn)
{
    const double angle = turn * 2 * std::numbers::pi;
    double x = std::cos(angle);
    double y = std::sin(angle);
    const double scale = round ? 1.01 : 1 / std::max(std::abs(x), std::abs(y));
    return {axisValue(x * scale), axisValue(-y * scale)};
}

// Out from the centre to the right, once around the gate, back to the centre.
void sticksAt(int t, PadState &state)
{
    for (const bool round : {true, false}) {
        auto [x, y] = gateAt(round, 0);
        if (t < sweepMs) {
            x = between(0, x, t, sweepMs);
        } else if (t < sweepMs + gateMs) {
            std::tie(x, y) = gateAt(round, static_cast<double>(t - sweepMs) / gateMs);
        } else {
            x = between(x, 0, t - sweepMs - gateMs, sweepMs);
        }
        const int first = round ? 0 : 2;
        state.axes[first] = x;
        state.axes[first + 1] = y;
    }
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
        sticksAt(t, state);
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

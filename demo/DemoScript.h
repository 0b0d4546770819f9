#pragma once

#include <array>
#include <cstdint>

// What the demo pad does, as a function of the time into its cycle: each
// stick goes out and once around its gate (the left one round, the right one
// square) and back, the triggers press fully, each button is tapped in turn,
// the hat goes round, then everything rests. The taps are quicker than the
// window's 100 ms refresh, as a person's quick tap is.
namespace DemoScript {

inline constexpr int axisCount = 6;    // left X, left Y, right X, right Y, two triggers
inline constexpr int buttonCount = 15; // SDL's game-controller buttons A to D-pad right
inline constexpr int hatCount = 1;

// Milliseconds each trigger extreme or hat direction is held, and each
// button's turn.
inline constexpr int holdMs = 200;
// Milliseconds a button is pressed, at the start of its turn.
inline constexpr int tapMs = 60;
// Milliseconds a stick or trigger takes from one end to the other, and a
// stick from the centre out to its gate.
inline constexpr int sweepMs = 200;
// Milliseconds a stick takes once around its gate.
inline constexpr int gateMs = 1000;
// Milliseconds of rest that end each cycle.
inline constexpr int restMs = 1000;

struct PadState {
    std::array<std::int16_t, axisCount> axes{};
    std::array<bool, buttonCount> buttons{};
    std::uint8_t hat = 0; // SDL's hat bits: 1 up, 2 right, 4 down, 8 left
};

// The pad at rest: sticks centred, triggers released, nothing pressed.
PadState restState();

// Length of one cycle in milliseconds.
int cycleMs();

// The pad's state `elapsedMs` after the script started; the script repeats.
PadState stateAt(std::int64_t elapsedMs);

} // namespace DemoScript

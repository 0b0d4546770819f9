#pragma once

#include "base/GameInput.h"

#include <array>
#include <cstdint>
#include <deque>

// Measures a stick from every position its device reports, as Min and Max
// take in every value: the outline of the farthest positions in each
// direction, where the stick rests, and how often it reports. SDL gives each
// axis of a report an event of its own: the X and Y of one report, which
// come at the same moment, are taken in together as one position.
class StickGauge {
public:
    // How far a stick may wander, in axis units (1% of a full deflection),
    // and still be still; and for how long it must be still to be at rest.
    static constexpr int stillDistance = 328;
    static constexpr std::uint32_t restMs = 500;

    // Starts from the stick's present position at `nowMs`, SDL's clock.
    StickGauge(std::int16_t x, std::int16_t y, std::uint32_t nowMs);

    // A value the device reported at `ms` for the stick's X or Y axis.
    void report(bool isX, std::int16_t value, std::uint32_t ms);
    // Takes in the last position reported, once the queue is drained, and
    // notes where the stick rests.
    void settle(std::uint32_t nowMs);
    // Forgets everything but the present position.
    void clear(std::uint32_t nowMs);
    // Fills in the position and the measures of `stick`.
    void read(GameInputStick &stick) const;

private:
    void takeIn();
    void reach(int degree, float distance);

    std::int16_t x_;
    std::int16_t y_;
    // Axes reported since the last position taken in, and when.
    bool xReported_ = false;
    bool yReported_ = false;
    std::uint32_t reportMs_ = 0;
    // The last position taken in, a full deflection being 1, Y upwards.
    float lastX_ = 0;
    float lastY_ = 0;
    std::array<float, 360> outline_{};
    // Where the stick has stayed, within stillDistance, since when.
    std::int16_t stillX_;
    std::int16_t stillY_;
    std::uint32_t stillSinceMs_;
    float restOffset_ = -1;
    // When the positions of the present movement came, the last second of it.
    std::deque<std::uint32_t> reportTimes_;
    float reportsPerSecond_ = 0;
};

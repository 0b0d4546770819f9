#pragma once

#include "base/GameInput.h"

#include <array>
#include <cstdint>
#include <deque>

// Takes in every report of a device's motion sensors, as Min and Max take
// in every value: each read gives the largest rotation and acceleration
// reported since the one before, and, once the device has lain still for two
// seconds, the gyroscope's drift: its mean over them.
class MotionGauge {
public:
    // Still: no axis varies by more than this over the two seconds.
    static constexpr float stillRotation = 3;         // degrees per second
    static constexpr float stillAcceleration = 0.05f; // g
    static constexpr std::uint32_t stillMs = 2000;

    // A report at `ms` on the service's clock: degrees per second, and g.
    void reportRotation(const std::array<float, 3> &rotation, std::uint32_t ms);
    void reportAcceleration(const std::array<float, 3> &acceleration, std::uint32_t ms);
    // Fills in the readings, and starts the next peaks afresh.
    void read(GameInputMotion &motion);

private:
    struct Sensor {
        std::array<float, 3> latest{};
        std::array<float, 3> peak{};
        bool peakSince = false;
        std::deque<std::pair<std::uint32_t, std::array<float, 3>>> lastSeconds;

        void report(const std::array<float, 3> &values, std::uint32_t ms);
        // The reading to show: the peak since the last read, or the latest.
        std::array<float, 3> take();
        // Whether it has been reporting for two seconds, varying less than
        // `spread` on each axis.
        bool steady(float spread) const;
    };
    Sensor rotation_;
    Sensor acceleration_;
};

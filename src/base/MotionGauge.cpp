#include "base/MotionGauge.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

float size(const std::array<float, 3> &values)
{
    return std::hypot(values[0], values[1], values[2]);
}

} // namespace

void MotionGauge::Sensor::report(const std::array<float, 3> &values, std::uint32_t ms)
{
    latest = values;
    if (!peakSince || size(values) > size(peak))
        peak = values;
    peakSince = true;
    lastSeconds.emplace_back(ms, values);
    // One report older than two seconds stays, to tell that two seconds passed.
    while (lastSeconds.size() > 2 && ms - lastSeconds[1].first >= stillMs)
        lastSeconds.pop_front();
}

std::array<float, 3> MotionGauge::Sensor::take()
{
    const std::array<float, 3> shown = peakSince ? peak : latest;
    peakSince = false;
    return shown;
}

bool MotionGauge::Sensor::steady(float spread) const
{
    if (lastSeconds.size() < 2 || lastSeconds.back().first - lastSeconds.front().first < stillMs)
        return false;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const auto [lowest, highest] = std::minmax_element(
            lastSeconds.begin(), lastSeconds.end(),
            [axis](const auto &a, const auto &b) { return a.second[axis] < b.second[axis]; });
        if (highest->second[axis] - lowest->second[axis] > spread)
            return false;
    }
    return true;
}

void MotionGauge::reportRotation(const std::array<float, 3> &rotation, std::uint32_t ms)
{
    rotation_.report(rotation, ms);
}

void MotionGauge::reportAcceleration(const std::array<float, 3> &acceleration, std::uint32_t ms)
{
    acceleration_.report(acceleration, ms);
}

void MotionGauge::read(GameInputMotion &motion)
{
    motion.rotation = rotation_.take();
    motion.acceleration = acceleration_.take();
    motion.still = rotation_.steady(stillRotation) &&
                   (acceleration_.lastSeconds.empty() || acceleration_.steady(stillAcceleration));
    motion.drift = {};
    if (!motion.still)
        return;
    for (const auto &[ms, values] : rotation_.lastSeconds)
        for (std::size_t axis = 0; axis < 3; ++axis)
            motion.drift[axis] += values[axis] / rotation_.lastSeconds.size();
}

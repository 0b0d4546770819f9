#include "tester/StickGauge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr float fullDeflection = 32767.0f;
constexpr double degree = std::numbers::pi / 180;
// Between two positions the stick went along the straight line from one to
// the other, as far as anyone can tell, while they are this close in
// direction: a stick swept around its gate draws a closed outline even when
// its device reports only every few degrees.
constexpr double widestTurn = 60 * degree;
// Reports further apart than this belong to two movements.
constexpr std::uint32_t movementGapMs = 100;
constexpr std::uint32_t rateWindowMs = 1000;

// Where the middle of each whole degree of direction points (Y upwards).
const std::array<std::pair<double, double>, 360> &directions()
{
    static const std::array<std::pair<double, double>, 360> table = [] {
        std::array<std::pair<double, double>, 360> unit;
        for (std::size_t index = 0; index < unit.size(); ++index)
            unit[index] = {std::cos((index + 0.5) * degree), std::sin((index + 0.5) * degree)};
        return unit;
    }();
    return table;
}

int degreeOf(double x, double y)
{
    const int whole = static_cast<int>(std::floor(std::atan2(y, x) / degree));
    return (whole % 360 + 360) % 360;
}

} // namespace

StickGauge::StickGauge(std::int16_t x, std::int16_t y, std::uint32_t nowMs)
    : x_(x)
    , y_(y)
    , stillX_(x)
    , stillY_(y)
    , stillSinceMs_(nowMs)
{
    clear(nowMs);
}

void StickGauge::report(bool isX, std::int16_t value, std::uint32_t ms)
{
    // An axis reported again, or a later moment, starts the next position.
    if ((isX ? xReported_ : yReported_) || ((xReported_ || yReported_) && ms != reportMs_))
        takeIn();
    (isX ? x_ : y_) = value;
    (isX ? xReported_ : yReported_) = true;
    reportMs_ = ms;
}

void StickGauge::settle(std::uint32_t nowMs)
{
    takeIn();
    // Still further out than this, the stick is held, not at rest.
    constexpr double farthestRest = 0.25;
    const double offset = std::hypot(x_, y_) / fullDeflection;
    if (nowMs - stillSinceMs_ >= restMs && offset <= farthestRest)
        restOffset_ = static_cast<float>(offset);
}

void StickGauge::clear(std::uint32_t nowMs)
{
    takeIn();
    outline_.fill(0);
    lastX_ = x_ / fullDeflection;
    lastY_ = -y_ / fullDeflection;
    reach(degreeOf(lastX_, lastY_), std::hypot(lastX_, lastY_));
    stillX_ = x_;
    stillY_ = y_;
    stillSinceMs_ = nowMs;
    restOffset_ = -1;
    reportTimes_.clear();
    reportsPerSecond_ = 0;
}

void StickGauge::read(GameInputStick &stick) const
{
    stick.x = x_;
    stick.y = y_;
    stick.outline = outline_;
    double sum = 0;
    int directions = 0;
    for (const float distance : outline_) {
        if (distance >= 0.5f) {
            sum += std::abs(distance - 1);
            ++directions;
        }
    }
    stick.circularityError = directions ? static_cast<float>(sum / directions) : -1;
    stick.restOffset = restOffset_;
    stick.reportsPerSecond = reportsPerSecond_;
}

void StickGauge::takeIn()
{
    if (!xReported_ && !yReported_)
        return;
    xReported_ = yReported_ = false;

    const double x = x_ / fullDeflection;
    const double y = -y_ / fullDeflection;
    const int to = degreeOf(x, y);
    reach(to, static_cast<float>(std::hypot(x, y)));
    const double turn = std::remainder(std::atan2(y, x) - std::atan2(lastY_, lastX_), 360 * degree);
    const int from = degreeOf(lastX_, lastY_);
    if (std::abs(turn) <= widestTurn && from != to) {
        const int step = turn > 0 ? 1 : 359;
        const double alongX = x - lastX_;
        const double alongY = y - lastY_;
        for (int direction = (from + step) % 360; direction != to;
             direction = (direction + step) % 360) {
            // Where the ray through the middle of this degree meets the line.
            const auto [rayX, rayY] = directions()[static_cast<std::size_t>(direction)];
            const double across = rayX * alongY - rayY * alongX;
            if (across != 0)
                reach(direction, static_cast<float>((lastX_ * alongY - lastY_ * alongX) / across));
        }
    }
    lastX_ = static_cast<float>(x);
    lastY_ = static_cast<float>(y);

    if (!reportTimes_.empty() && reportMs_ - reportTimes_.back() > movementGapMs)
        reportTimes_.clear();
    reportTimes_.push_back(reportMs_);
    while (reportMs_ - reportTimes_.front() > rateWindowMs)
        reportTimes_.pop_front();
    if (const std::uint32_t span = reportTimes_.back() - reportTimes_.front(); span > 0)
        reportsPerSecond_ = (reportTimes_.size() - 1) * 1000.0f / span;

    if (std::hypot(x_ - stillX_, y_ - stillY_) > stillDistance) {
        stillX_ = x_;
        stillY_ = y_;
        stillSinceMs_ = reportMs_;
    }
}

void StickGauge::reach(int degreeIndex, float distance)
{
    float &farthest = outline_[static_cast<std::size_t>(degreeIndex)];
    farthest = std::max(farthest, distance);
}

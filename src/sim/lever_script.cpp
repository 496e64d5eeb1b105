#include "sim/lever_script.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

namespace {

using std::chrono::milliseconds;

// Lever spots for the factory thresholds (V1 80, V2 175, H2 70, H1 185, SeqH2 75,
// SeqH1 180), each well clear of a threshold.
constexpr std::uint8_t kLeftColumn = 40;
constexpr std::uint8_t kMiddleColumn = 128;
constexpr std::uint8_t kRightColumn = 215;
constexpr std::uint8_t kUpperLine = 230;
constexpr std::uint8_t kNeutralLine = 128;
constexpr std::uint8_t kLowerLine = 25;

constexpr milliseconds kMove{80};
constexpr milliseconds kHold{100};

std::vector<Waypoint> hPatternWaypoints() {
    const auto at = [](std::uint8_t x, std::uint8_t y, milliseconds travel) {
        return Waypoint{LeverPosition{x, y, false}, travel};
    };
    std::vector<Waypoint> points{
        at(kMiddleColumn, kNeutralLine, milliseconds{100}),  // back from the right column
        at(kMiddleColumn, kNeutralLine, kHold),
    };
    // Each column: across to it in neutral, up into the odd gear, down into the even one.
    for (const std::uint8_t column : {kLeftColumn, kMiddleColumn, kRightColumn}) {
        if (column != kMiddleColumn) {
            points.push_back(at(column, kNeutralLine, kMove));
        }
        points.push_back(at(column, kUpperLine, kMove));
        points.push_back(at(column, kUpperLine, kHold));
        points.push_back(at(column, kNeutralLine, kMove));
        points.push_back(at(column, kLowerLine, kMove));
        points.push_back(at(column, kLowerLine, kHold));
        points.push_back(at(column, kNeutralLine, kMove));
        if (column == kLeftColumn) {
            points.push_back(at(kMiddleColumn, kNeutralLine, kMove));
        }
    }
    return points;
}

std::vector<Waypoint> sequentialWaypoints() {
    const auto at = [](std::uint8_t y, milliseconds travel) {
        return Waypoint{LeverPosition{kMiddleColumn, y, true}, travel};
    };
    std::vector<Waypoint> points{at(kNeutralLine, kMove), at(kNeutralLine, milliseconds{200})};
    for (const std::uint8_t y : {kUpperLine, kUpperLine, kLowerLine, kLowerLine}) {
        points.push_back(at(y, kMove));
        points.push_back(at(y, milliseconds{150}));
        points.push_back(at(kNeutralLine, kMove));
        points.push_back(at(kNeutralLine, milliseconds{150}));
    }
    return points;
}

std::uint8_t interpolate(std::uint8_t from, std::uint8_t to, double fraction) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * fraction));
}

}  // namespace

LeverScript::LeverScript(std::vector<Waypoint> waypoints) : waypoints_(std::move(waypoints)) {
    for (Waypoint& point : waypoints_) {
        point.travel = std::max(point.travel, milliseconds{0});
        period_ += point.travel;
    }
    std::chrono::microseconds arrival{0};
    for (std::size_t i = 1; i <= waypoints_.size(); ++i) {
        arrival += waypoints_[i % waypoints_.size()].travel;
        arrivals_.push_back(arrival);
    }
}

LeverPosition LeverScript::positionAt(std::chrono::microseconds elapsed) const {
    const LeverPosition position = pathAt(elapsed);
    return noise_ > 0 ? shaken(position, elapsed) : position;
}

void LeverScript::setNoise(int units) {
    noise_ = std::clamp(units, 0, 255);
}

// A fixed pseudo-random offset for each instant, so a script replays exactly.
LeverPosition LeverScript::shaken(LeverPosition position, std::chrono::microseconds elapsed) const {
    std::uint64_t hash = static_cast<std::uint64_t>(elapsed.count()) + 0x9E3779B97F4A7C15ULL;
    hash = (hash ^ (hash >> 30)) * 0xBF58476D1CE4E5B9ULL;
    hash = (hash ^ (hash >> 27)) * 0x94D049BB133111EBULL;
    hash ^= hash >> 31;
    const auto span = static_cast<std::uint64_t>(2 * noise_ + 1);
    const auto shake = [&](std::uint8_t value, std::uint64_t bits) {
        const int offset = static_cast<int>(bits % span) - noise_;
        return static_cast<std::uint8_t>(std::clamp(value + offset, 0, 255));
    };
    position.x = shake(position.x, hash);
    position.y = shake(position.y, hash >> 32);
    return position;
}

LeverPosition LeverScript::pathAt(std::chrono::microseconds elapsed) const {
    if (waypoints_.empty()) {
        return {};
    }
    if (period_.count() == 0) {
        return waypoints_.front().position;
    }
    auto t = elapsed % period_;
    if (t.count() < 0) {
        t += period_;
    }
    // The script starts at the first waypoint; the first waypoint's travel closes the loop.
    // The leg under way is the first whose target the lever has not reached yet.
    const std::size_t count = waypoints_.size();
    const auto leg = static_cast<std::size_t>(
        std::upper_bound(arrivals_.begin(), arrivals_.end(), t) - arrivals_.begin());
    if (leg == count) {
        return waypoints_.front().position;
    }
    const Waypoint& target = waypoints_[(leg + 1) % count];
    const LeverPosition& from = waypoints_[leg].position;
    const std::chrono::microseconds travel = target.travel;
    const std::chrono::microseconds travelled = travel - (arrivals_[leg] - t);
    const double fraction = static_cast<double>(travelled.count()) / travel.count();
    return {interpolate(from.x, target.position.x, fraction),
            interpolate(from.y, target.position.y, fraction), from.sequential};
}

LeverScript LeverScript::hPatternTour() {
    return LeverScript(hPatternWaypoints());
}

LeverScript LeverScript::sequentialTour() {
    return LeverScript(sequentialWaypoints());
}

// The demo stays this long in each mode, so a user has time to type a threshold before
// the boxes change.
constexpr std::chrono::seconds kDemoModeTime{30};

LeverScript LeverScript::demoTour() {
    std::vector<Waypoint> points;
    for (const std::vector<Waypoint>& round : {hPatternWaypoints(), sequentialWaypoints()}) {
        const LeverScript once(round);
        const std::int64_t rounds = std::max<std::int64_t>(
            1, kDemoModeTime / std::max(once.period(), std::chrono::microseconds{1}));
        for (std::int64_t i = 0; i < rounds; ++i) {
            points.insert(points.end(), round.begin(), round.end());
        }
    }
    return LeverScript(std::move(points));
}

LeverScript LeverScript::holdAt(LeverPosition position) {
    return LeverScript({Waypoint{position, milliseconds{1000}}});
}

}  // namespace sim

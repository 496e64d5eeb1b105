#include "sim/assistant_lever.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sim {

namespace {

using std::chrono::milliseconds;

constexpr std::uint8_t kFarLeft = 10;
constexpr std::uint8_t kFarRight = 245;
constexpr std::uint8_t kNeutralLine = 128;
constexpr std::uint8_t kUpperLine = 230;
constexpr std::uint8_t kLowerLine = 25;
// How far the lever strays inside a gate, across it and towards neutral.
constexpr int kGateHalfWidth = 10;
constexpr int kGateDepth = 10;

constexpr milliseconds kSweep{2400};
constexpr milliseconds kTravel{300};
constexpr milliseconds kWander{400};
constexpr milliseconds kHomeTravel{600};
// Rounds of wandering in each step: long enough for a person to follow.
constexpr int kRounds = 2;

// Waypoints laid out one after another, keeping the script's time.
class Path {
  public:
    explicit Path(LeverPosition start, milliseconds closingTravel) {
        points_.push_back({start, closingTravel});
    }
    void to(LeverPosition position, milliseconds travel) {
        points_.push_back({position, travel});
        now_ += travel;
    }
    milliseconds now() const { return now_; }
    AssistantLever finish(std::vector<StepWindow> steps, int noise) && {
        LeverScript script(std::move(points_));
        script.setNoise(noise);
        return {std::move(script), std::move(steps)};
    }

  private:
    std::vector<Waypoint> points_;
    milliseconds now_{0};
};

// Gates placed near an edge stay on the plot.
std::uint8_t offset(std::uint8_t value, int by) {
    return static_cast<std::uint8_t>(std::clamp(value + by, 0, 255));
}

}  // namespace

AssistantLever assistantHPatternLever(GatePlacement gates, int noise) {
    const auto at = [](std::uint8_t x, std::uint8_t y) { return LeverPosition{x, y, false}; };
    Path path(at(kFarLeft, kNeutralLine), kHomeTravel);
    std::vector<StepWindow> steps;
    path.to(at(kFarRight, kNeutralLine), kSweep);
    steps.push_back({milliseconds{0}, path.now()});

    const std::array<std::uint8_t, 3> columns{gates.left, gates.middle, gates.right};
    for (int gear = 1; gear <= 6; ++gear) {
        const std::uint8_t column = columns[(gear - 1) / 2];
        const bool upper = gear % 2 == 1;
        const std::uint8_t line = upper ? kUpperLine : kLowerLine;
        const std::uint8_t inner = offset(line, upper ? -kGateDepth : kGateDepth);
        const std::uint8_t left = offset(column, -kGateHalfWidth);
        const std::uint8_t right = offset(column, kGateHalfWidth);
        path.to(at(column, kNeutralLine), kTravel);
        path.to(at(column, line), kTravel);
        const milliseconds from = path.now();
        for (int round = 0; round < kRounds; ++round) {
            path.to(at(left, line), kWander);
            path.to(at(right, line), kWander);
            path.to(at(right, inner), kWander);
            path.to(at(left, inner), kWander);
        }
        path.to(at(column, line), kWander);
        steps.push_back({from, path.now()});
        path.to(at(column, kNeutralLine), kTravel);
    }
    return std::move(path).finish(std::move(steps), noise);
}

AssistantLever assistantSequentialLever(int noise) {
    const auto at = [](std::uint8_t y) { return LeverPosition{128, y, true}; };
    Path path(at(kNeutralLine), kHomeTravel);
    std::vector<StepWindow> steps;
    // Each step wanders from its line across a band towards and away from neutral.
    const auto wander = [&](std::uint8_t line) {
        path.to(at(line), kTravel);
        const milliseconds from = path.now();
        for (int round = 0; round < kRounds; ++round) {
            path.to(at(offset(line, -kGateDepth)), kWander);
            path.to(at(offset(line, kGateDepth)), kWander);
        }
        path.to(at(line), kWander);
        steps.push_back({from, path.now()});
    };
    wander(kNeutralLine);
    wander(kUpperLine);
    path.to(at(kNeutralLine), kTravel);
    wander(kLowerLine);
    return std::move(path).finish(std::move(steps), noise);
}

}  // namespace sim

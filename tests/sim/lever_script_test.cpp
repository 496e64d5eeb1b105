#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "sim/lever_script.h"

namespace sim {
namespace {

using namespace std::chrono_literals;

// The gear masks (and "-" as 0x100) the factory firmware reports along one round.
std::set<int> gearsVisited(const LeverScript& script, std::chrono::microseconds from,
                           std::chrono::microseconds to, bool& sawSequential) {
    const AdaptorModel model;
    std::set<int> gears;
    for (auto t = from; t < to; t += 1ms) {
        const LeverPosition lever = script.positionAt(t);
        const GearReading reading = model.gearFor(lever);
        gears.insert(reading.flag != 0 ? 0x100 : reading.gearMask);
        sawSequential = sawSequential || lever.sequential;
    }
    return gears;
}

TEST(LeverScript, MovesInStraightLinesAndLoops) {
    const LeverScript script({{{0, 0}, 100ms}, {{200, 100}, 100ms}, {{200, 100, true}, 50ms}});
    EXPECT_EQ(script.period(), 250ms);
    const LeverPosition quarter = script.positionAt(25ms);
    EXPECT_EQ(quarter.x, 50);
    EXPECT_EQ(quarter.y, 25);
    EXPECT_FALSE(quarter.sequential);
    // The mode changes on arrival at the third point, then holds on the way home.
    EXPECT_FALSE(script.positionAt(125ms).sequential);
    EXPECT_EQ(script.positionAt(125ms).x, 200);
    const LeverPosition halfwayHome = script.positionAt(200ms);
    EXPECT_EQ(halfwayHome.x, 100);
    EXPECT_EQ(halfwayHome.y, 50);
    EXPECT_TRUE(halfwayHome.sequential);
    EXPECT_EQ(script.positionAt(275ms).x, script.positionAt(25ms).x);
    EXPECT_EQ(script.positionAt(-225ms).x, script.positionAt(25ms).x);
}

TEST(LeverScript, DegenerateScriptsStayPut) {
    EXPECT_EQ(LeverScript({}).positionAt(5s).x, LeverPosition{}.x);
    const LeverScript instant({{{10, 20}, 0ms}, {{30, 40}, 0ms}});
    EXPECT_EQ(instant.positionAt(1s).x, 10);
    const LeverScript held = LeverScript::holdAt({7, 9, true});
    for (const auto t : {0ms, 333ms, 12345ms}) {
        EXPECT_EQ(held.positionAt(t).x, 7);
        EXPECT_EQ(held.positionAt(t).y, 9);
        EXPECT_TRUE(held.positionAt(t).sequential);
    }
}

TEST(LeverScript, HPatternTourVisitsNeutralAndSixGearsInAboutTwoSeconds) {
    const LeverScript tour = LeverScript::hPatternTour();
    EXPECT_LE(tour.period(), 2100ms);
    bool sequential = false;
    EXPECT_EQ(gearsVisited(tour, 0ms, tour.period(), sequential),
              (std::set<int>{0, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20}));
    EXPECT_FALSE(sequential);
}

TEST(LeverScript, SequentialTourPushesAndPulls) {
    const LeverScript tour = LeverScript::sequentialTour();
    bool sequential = false;
    EXPECT_EQ(gearsVisited(tour, 0ms, tour.period(), sequential), (std::set<int>{0, 0x80, 0x100}));
    EXPECT_TRUE(sequential);
}

TEST(LeverScript, DemoTourStartsInHPatternThenGoesSequential) {
    const LeverScript demo = LeverScript::demoTour();
    const auto hPattern = LeverScript::hPatternTour().period();
    ASSERT_GT(demo.period(), 2 * hPattern);
    bool sequential = false;
    EXPECT_EQ(gearsVisited(demo, 0ms, 2 * hPattern, sequential).size(), 7u);
    EXPECT_FALSE(sequential);
    gearsVisited(demo, 2 * hPattern, demo.period(), sequential);
    EXPECT_TRUE(sequential);
}

}  // namespace
}  // namespace sim

namespace sim {
namespace {

using namespace std::chrono_literals;

TEST(LeverScript, NoiseShakesWithinItsUnitsAndReplaysExactly) {
    LeverScript still = LeverScript::holdAt({128, 2, false});
    still.setNoise(3);
    std::set<int> xs;
    for (auto t = 0us; t < 1s; t += 1ms) {
        const LeverPosition position = still.positionAt(t);
        EXPECT_LE(std::abs(position.x - 128), 3);
        EXPECT_LE(position.y, 5);  // clamped at the edge, never wrapped round
        EXPECT_EQ(position.x, still.positionAt(t).x);
        xs.insert(position.x);
    }
    EXPECT_EQ(xs.size(), 7u);  // every offset from -3 to 3 occurs
}

}  // namespace
}  // namespace sim

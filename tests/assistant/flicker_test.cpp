// Flickers: a gear change that comes back within 100 ms, and how they are told.
#include <gtest/gtest.h>

#include "assistant/assistant.h"

namespace assistant {
namespace {

TEST(Flicker, CountsChangesThatComeBackWithin100Milliseconds) {
    FlickerCounter counter;
    counter.observe(Gear::Third, {170, 230}, 0);
    counter.observe(Gear::Fifth, {176, 230}, 1000);  // left 3rd at X 176
    counter.observe(Gear::Third, {174, 230}, 1100);  // back after exactly 100 ms
    ASSERT_EQ(counter.recent(1100).size(), 1u);
    EXPECT_EQ(counter.recent(1100).front().place, (Point{176, 230}));

    counter.observe(Gear::Neutral, {174, 150}, 2000);
    counter.observe(Gear::Third, {174, 200}, 2101);  // 101 ms: a real shift back
    counter.observe(Gear::Fourth, {174, 20}, 2150);  // not where it came from
    EXPECT_EQ(counter.recent(2150).size(), 1u);
}

TEST(Flicker, ForgetsFlickersOlderThanAMinute) {
    FlickerCounter counter;
    for (std::int64_t t = 0; t < 4; ++t) {
        counter.observe(Gear::Neutral, {128, 128}, t * 30'000);
        counter.observe(Gear::First, {40, 186}, t * 30'000 + 10);
        counter.observe(Gear::Neutral, {40, 184}, t * 30'000 + 20);
    }
    // Flickers at 20, 30'020, 60'020 and 90'020: two lie within the minute to 120'000.
    EXPECT_EQ(counter.recent(90'020).size(), 4u - 1u);
    EXPECT_EQ(counter.recent(120'000).size(), 2u);
}

TEST(Flicker, SummaryNamesTheThresholdNearestTheNewestFlicker) {
    const ThresholdAt hPattern[] = {
        {Threshold::V1, 80}, {Threshold::V2, 175}, {Threshold::H1, 185}, {Threshold::H2, 70}};
    std::deque<Flicker> flickers;
    EXPECT_EQ(flickerSummary(flickers, hPattern), "No flickers in the last minute");
    flickers.push_back({0, {40, 186}});
    EXPECT_EQ(flickerSummary(flickers, hPattern), "1 flicker near H1 at Y 186 in the last minute");
    for (int i = 0; i < 3; ++i) {
        flickers.push_back({10, {172, 230}});
    }
    EXPECT_EQ(flickerSummary(flickers, hPattern), "4 flickers near V2 at X 172 in the last minute");
}

TEST(Flicker, AssistantRecordsOnlyTheCurrentStepAndIgnoresModeChanges) {
    Assistant assistant;
    Recording& hPattern = assistant.recording(Mode::HPattern);
    assistant.observe(Mode::HPattern, {40, 230}, Gear::First, 0);  // no step yet
    hPattern.start(Step::First);
    assistant.observe(Mode::HPattern, {41, 230}, Gear::First, 10);
    assistant.observe(Mode::HPattern, {41, 230}, Gear::First, 20);
    assistant.observe(Mode::Sequential, {128, 230}, Gear::Plus, 30);
    assistant.observe(Mode::HPattern, {42, 231}, Gear::First, 40);
    EXPECT_EQ(hPattern.reportCount(Step::First), 3u);
    EXPECT_EQ(hPattern.records()[indexOf(Step::First)].size(), 2u);  // distinct positions
    EXPECT_TRUE(assistant.recording(Mode::Sequential).records()[indexOf(Step::Push)].empty());
    // 1st, +, 1st within 100 ms is a change of mode, not a flicker.
    EXPECT_TRUE(assistant.flickers().recent(40).empty());
    // The flickers of one mode are gone once the other mode's reports come.
    assistant.observe(Mode::HPattern, {42, 150}, Gear::Neutral, 41);
    assistant.observe(Mode::HPattern, {42, 231}, Gear::First, 42);
    ASSERT_EQ(assistant.flickers().recent(42).size(), 1u);
    assistant.observe(Mode::Sequential, {128, 128}, Gear::Neutral, 43);
    EXPECT_TRUE(assistant.flickers().recent(43).empty());

    // Redoing a step starts it from nothing.
    hPattern.start(Step::First);
    EXPECT_EQ(hPattern.reportCount(Step::First), 0u);
    hPattern.stop();
    assistant.observe(Mode::HPattern, {42, 231}, Gear::First, 50);
    EXPECT_TRUE(hPattern.records()[indexOf(Step::First)].empty());
}

}  // namespace
}  // namespace assistant

// Proposals from synthetic records: where the gates are, the thresholds follow.
#include <gtest/gtest.h>

#include "assistant/proposal.h"

namespace assistant {
namespace {

// A gate the lever filled: every position of a rectangle.
void fill(Records& records, Step step, int left, int right, int bottom, int top) {
    for (int x = left; x <= right; ++x) {
        for (int y = bottom; y <= top; ++y) {
            records[indexOf(step)].push_back(
                {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)});
        }
    }
}

// Columns at 30..50, 118..138 and 205..225; rows at 215..240 and 15..40; neutral 120..136.
Records wellSeparated() {
    Records records;
    fill(records, Step::Neutral, 10, 245, 120, 136);
    const int columns[3][2] = {{30, 50}, {118, 138}, {205, 225}};
    for (int column = 0; column < 3; ++column) {
        const auto [left, right] = columns[column];
        fill(records, static_cast<Step>(2 * column + 1), left, right, 215, 240);
        fill(records, static_cast<Step>(2 * column + 2), left, right, 15, 40);
    }
    return records;
}

const ThresholdProposal& find(const std::vector<ThresholdProposal>& proposals, Threshold which) {
    for (const ThresholdProposal& proposal : proposals) {
        if (proposal.threshold == which) {
            return proposal;
        }
    }
    throw std::logic_error("threshold not proposed");
}

TEST(Proposal, PutsEachThresholdInTheMiddleOfItsGap) {
    const auto proposals = propose(Mode::HPattern, wellSeparated());
    ASSERT_EQ(proposals.size(), 4u);
    EXPECT_EQ(proposals[0].threshold, Threshold::H1);  // the text boxes' order
    const struct {
        Threshold threshold;
        int value, below, above;
    } expected[] = {
        {Threshold::V1, 84, 34, 34},
        {Threshold::V2, 171, 33, 34},
        {Threshold::H1, 175, 39, 40},
        {Threshold::H2, 80, 40, 40},
    };
    for (const auto& want : expected) {
        const ThresholdProposal& got = find(proposals, want.threshold);
        EXPECT_EQ(got.value, want.value) << nameOf(want.threshold);
        EXPECT_EQ(got.marginBelow, want.below) << nameOf(want.threshold);
        EXPECT_EQ(got.marginAbove, want.above) << nameOf(want.threshold);
        EXPECT_EQ(got.warning, "");
    }
}

TEST(Proposal, OverlappingOrCloseGatesAreNamedAndLeftUnproposed) {
    Records records = wellSeparated();
    // 5th reaches left into 3rd's column.
    fill(records, Step::Fifth, 130, 131, 225, 225);
    auto v2 = find(propose(Mode::HPattern, records), Threshold::V2);
    EXPECT_FALSE(v2.value);
    EXPECT_EQ(v2.warning,
              "3rd and 5th overlap in X between 130 and 138: the lever or the adaptor reads "
              "them too close together");

    // 15 apart: the middle would lie 7 from 4th.
    records = wellSeparated();
    fill(records, Step::Sixth, 153, 153, 30, 30);
    v2 = find(propose(Mode::HPattern, records), Threshold::V2);
    EXPECT_FALSE(v2.value);
    EXPECT_EQ(v2.warning,
              "3rd and 6th are only 15 apart in X between 138 and 153: a threshold there "
              "would be under 8 from one of them");
    // 16 apart: 8 to either side is enough.
    records = wellSeparated();
    fill(records, Step::Sixth, 154, 154, 30, 30);
    v2 = find(propose(Mode::HPattern, records), Threshold::V2);
    EXPECT_EQ(v2.value, 146);
    EXPECT_EQ(v2.marginBelow, 8);
    EXPECT_EQ(v2.marginAbove, 8);
    // The other thresholds are not held back by V2's trouble.
    EXPECT_TRUE(find(propose(Mode::HPattern, records), Threshold::V1).value);
}

TEST(Proposal, AMissingStepHoldsBackOnlyTheThresholdsThatNeedIt) {
    Records records = wellSeparated();
    records[indexOf(Step::Fifth)].clear();
    records[indexOf(Step::Sixth)].clear();
    const auto proposals = propose(Mode::HPattern, records);
    EXPECT_FALSE(find(proposals, Threshold::V2).value);
    EXPECT_EQ(find(proposals, Threshold::V2).warning,
              "No records of 5th and 6th yet: V2 needs them");
    EXPECT_EQ(find(proposals, Threshold::H1).warning, "No records of 5th yet: H1 needs them");
    EXPECT_EQ(find(proposals, Threshold::V1).value, 84);

    records = wellSeparated();
    records[indexOf(Step::Neutral)].clear();
    EXPECT_EQ(find(propose(Mode::HPattern, records), Threshold::H2).warning,
              "No records of neutral yet: H2 needs them");
}

TEST(Proposal, NoiseWidensTheGatesAndShrinksTheMargins) {
    Records records = wellSeparated();
    // Stray points a few units out of 3rd and 5th.
    records[indexOf(Step::Third)].push_back({142, 236});
    records[indexOf(Step::Fifth)].push_back({201, 212});
    const auto v2 = find(propose(Mode::HPattern, records), Threshold::V2);
    EXPECT_EQ(v2.value, 171);
    EXPECT_EQ(v2.marginBelow, 29);
    EXPECT_EQ(v2.marginAbove, 30);
    const auto h1 = find(propose(Mode::HPattern, records), Threshold::H1);
    EXPECT_EQ(h1.value, 174);
    EXPECT_EQ(h1.marginAbove, 38);
}

TEST(Proposal, SequentialSplitsRestFromPushAndPull) {
    Records records;
    fill(records, Step::Rest, 128, 128, 110, 150);
    fill(records, Step::Push, 128, 128, 200, 240);
    fill(records, Step::Pull, 128, 128, 10, 60);
    auto proposals = propose(Mode::Sequential, records);
    ASSERT_EQ(proposals.size(), 2u);
    EXPECT_EQ(proposals[0].threshold, Threshold::SeqH1);
    EXPECT_EQ(proposals[0].value, 175);
    EXPECT_EQ(proposals[1].threshold, Threshold::SeqH2);
    EXPECT_EQ(proposals[1].value, 85);
    EXPECT_EQ(proposals[1].marginBelow, 25);

    records[indexOf(Step::Push)].clear();
    proposals = propose(Mode::Sequential, records);
    EXPECT_EQ(proposals[0].warning, "No records of + yet: SeqH1 needs them");
    EXPECT_TRUE(proposals[1].value);
}

TEST(Proposal, GatesAtTheEdgesGiveValuesInsideTheRange) {
    Records records;
    fill(records, Step::Rest, 0, 0, 100, 200);
    fill(records, Step::Push, 0, 0, 255, 255);
    fill(records, Step::Pull, 0, 0, 0, 0);
    auto proposals = propose(Mode::Sequential, records);
    EXPECT_EQ(proposals[0].value, 227);
    EXPECT_EQ(proposals[1].value, 50);

    // Rest reaching the top leaves no room for a threshold above it.
    fill(records, Step::Rest, 0, 0, 238, 255);
    proposals = propose(Mode::Sequential, records);
    EXPECT_FALSE(proposals[0].value);
    EXPECT_EQ(proposals[0].warning,
              "rest and + overlap in Y between 255 and 255: the lever or the adaptor reads "
              "them too close together");

    // A gap from 238 to 255: the middle, 246, is within 0..254.
    records = {};
    fill(records, Step::Rest, 0, 0, 0, 238);
    fill(records, Step::Push, 0, 0, 255, 255);
    fill(records, Step::Pull, 0, 0, 0, 0);
    proposals = propose(Mode::Sequential, records);
    EXPECT_EQ(proposals[0].value, 246);
    EXPECT_EQ(proposals[1].warning,
              "- and rest overlap in Y between 0 and 0: the lever or the adaptor reads them "
              "too close together");
}

}  // namespace
}  // namespace assistant

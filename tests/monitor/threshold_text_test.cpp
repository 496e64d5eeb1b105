#include <gtest/gtest.h>

#include "monitor/threshold_text.h"

namespace {

using monitor::parseThresholdText;

TEST(ThresholdText, AcceptsPlainDecimalNumbersRoundedHalfToEven) {
    EXPECT_EQ(parseThresholdText("254"), 254);
    EXPECT_EQ(parseThresholdText("0"), 0);
    EXPECT_EQ(parseThresholdText("12.5"), 12);
    EXPECT_EQ(parseThresholdText("13.5"), 14);
    EXPECT_EQ(parseThresholdText("-0.4"), 0);
    EXPECT_EQ(parseThresholdText("254.5"), 254);  // the even neighbour is in range
    EXPECT_EQ(parseThresholdText(".5"), 0);
    EXPECT_EQ(parseThresholdText("7."), 7);
    EXPECT_EQ(parseThresholdText("  +7\t"), 7);
    EXPECT_EQ(parseThresholdText("1e2"), 100);
    EXPECT_EQ(parseThresholdText("2.5E+1"), 25);
    EXPECT_EQ(parseThresholdText("0007"), 7);
}

TEST(ThresholdText, RefusesNumbersOutsideZeroTo254) {
    EXPECT_EQ(parseThresholdText("255"), std::nullopt);
    EXPECT_EQ(parseThresholdText("254.6"), std::nullopt);
    EXPECT_EQ(parseThresholdText("-1"), std::nullopt);
    EXPECT_EQ(parseThresholdText("-0.6"), std::nullopt);
    EXPECT_EQ(parseThresholdText("65536"), std::nullopt);
    EXPECT_EQ(parseThresholdText("4294967296"), std::nullopt);  // wraps to 0 as an int
    EXPECT_EQ(parseThresholdText("1e11"), std::nullopt);
    EXPECT_EQ(parseThresholdText("1e400"), std::nullopt);
}

TEST(ThresholdText, RefusesWhatIsNotPlainDecimalNotation) {
    for (const char* text : {"", "   ", "abc", "7a", "a7", "--7", "+-7", "1,5", "0x10", "1e", "1e+",
                             ".", "-", "nan", "inf", "1 2", "١٢"}) {
        EXPECT_EQ(parseThresholdText(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ThresholdText, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(parseThresholdText("0.5"), 0);
    EXPECT_EQ(parseThresholdText("1.5"), 2);
    EXPECT_EQ(parseThresholdText("2.5"), 2);
    EXPECT_EQ(parseThresholdText("-0.5"), 0);
    EXPECT_EQ(parseThresholdText("2.4999"), 2);
    EXPECT_EQ(parseThresholdText("2.5001"), 3);
    EXPECT_EQ(parseThresholdText("253.5"), 254);
}

}  // namespace

#include "hid/hidapi/report_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace hid {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

constexpr std::uint8_t kUntouched = 0xEE;

TEST(InputReportLayout, PrependsIdZeroWhenTheDeviceUsesNoIds) {
    const std::vector<std::uint8_t> payload = {1, 2, 3, 4, 5};
    std::vector<std::uint8_t> out(64, kUntouched);
    EXPECT_EQ(placeInputReport(payload, false, out), 6u);
    EXPECT_THAT(std::vector(out.begin(), out.begin() + 7),
                ElementsAre(0, 1, 2, 3, 4, 5, kUntouched));
}

TEST(InputReportLayout, LeavesReportsWithTheirIdAlone) {
    const std::vector<std::uint8_t> report = {7, 0xA, 0xB};
    std::vector<std::uint8_t> out(8, kUntouched);
    EXPECT_EQ(placeInputReport(report, true, out), 3u);
    EXPECT_THAT(std::vector(out.begin(), out.begin() + 4), ElementsAre(7, 0xA, 0xB, kUntouched));
}

TEST(InputReportLayout, TruncatesToTheCallersBuffer) {
    const std::vector<std::uint8_t> payload = {1, 2, 3, 4, 5};
    std::array<std::uint8_t, 6> storage{};
    storage.fill(kUntouched);
    const std::span<std::uint8_t> out = std::span(storage).first(4);

    EXPECT_EQ(placeInputReport(payload, false, out), 4u);
    EXPECT_THAT(storage, ElementsAre(0, 1, 2, 3, kUntouched, kUntouched));

    storage.fill(kUntouched);
    EXPECT_EQ(placeInputReport(payload, true, out), 4u);
    EXPECT_THAT(storage, ElementsAre(1, 2, 3, 4, kUntouched, kUntouched));

    EXPECT_EQ(placeInputReport(payload, false, std::span(storage).first(1)), 1u);
    EXPECT_EQ(storage[0], 0);
}

TEST(InputReportLayout, EmptyBufferGetsNothing) {
    const std::vector<std::uint8_t> payload = {1, 2};
    EXPECT_EQ(placeInputReport(payload, false, {}), 0u);
    EXPECT_EQ(placeInputReport(payload, true, {}), 0u);
}

TEST(FeatureReplyLayout, KeepsTheRequestedIdAndZeroesPastTheReply) {
    const std::vector<std::uint8_t> reply = {0, 0x11, 0x22};
    std::vector<std::uint8_t> out(5, kUntouched);
    placeFeatureReply(0, reply, out);
    EXPECT_THAT(out, ElementsAre(0, 0x11, 0x22, 0, 0));

    // Byte 0 is always the ID asked for, whatever the reply's first byte says.
    placeFeatureReply(3, reply, out);
    EXPECT_THAT(out, ElementsAre(3, 0x11, 0x22, 0, 0));
}

TEST(FeatureReplyLayout, TruncatesALongReplyAndToleratesAnIdOnlyReply) {
    const std::vector<std::uint8_t> reply = {2, 1, 2, 3, 4, 5, 6};
    std::array<std::uint8_t, 5> storage{};
    storage.fill(kUntouched);
    placeFeatureReply(2, reply, std::span(storage).first(3));
    EXPECT_THAT(storage, ElementsAre(2, 1, 2, kUntouched, kUntouched));

    std::vector<std::uint8_t> out(4, kUntouched);
    placeFeatureReply(2, std::vector<std::uint8_t>{2}, out);
    EXPECT_THAT(out, ElementsAre(2, 0, 0, 0));
    placeFeatureReply(2, {}, out);
    EXPECT_THAT(out, ElementsAre(2, 0, 0, 0));
    placeFeatureReply(2, reply, {});  // nothing to write into, nothing written
}

}  // namespace
}  // namespace hid

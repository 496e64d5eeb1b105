#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

#include "protocol/adaptor_protocol.h"

namespace {

// A buffer whose every byte differs, so any byte a writer touches shows.
protocol::ReportBuffer patterned() {
    protocol::ReportBuffer buffer{};
    std::iota(buffer.begin(), buffer.end(), std::uint8_t{0x40});
    return buffer;
}

// The indexes at which `after` differs from the pattern.
std::vector<std::size_t> changedBytes(const protocol::ReportBuffer& after) {
    const protocol::ReportBuffer before = patterned();
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            changed.push_back(i);
        }
    }
    return changed;
}

TEST(CommandWriters, WriteOnlyTheBytesTheirCommandLists) {
    protocol::ReportBuffer buffer = patterned();
    protocol::writeSetCalibrationMode(buffer, true);
    EXPECT_EQ(changedBytes(buffer), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0xDB);
    EXPECT_EQ(buffer[2], 1);
    protocol::writeSetCalibrationMode(buffer, false);
    EXPECT_EQ(buffer[2], 0);

    buffer = patterned();
    protocol::writeRequestSettings(buffer);
    EXPECT_EQ(changedBytes(buffer), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(buffer[1], 0xF0);

    buffer = patterned();
    protocol::writeWriteSetting(buffer, 5, 0xFF);
    EXPECT_EQ(changedBytes(buffer), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(buffer[1], 0xEE);
    EXPECT_EQ(buffer[2], 5);
    EXPECT_EQ(buffer[3], 0xFF);

    buffer = patterned();
    protocol::writeRequestMemoryDump(buffer);
    EXPECT_EQ(changedBytes(buffer), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(buffer[1], 0xD0);
}

TEST(CommandWriters, RequestSettingsAfterCalibrationOnCarriesItsOne) {
    protocol::ReportBuffer buffer{};
    protocol::writeWriteSetting(buffer, 2, 77);
    protocol::writeSetCalibrationMode(buffer, true);
    protocol::writeRequestSettings(buffer);
    EXPECT_EQ(buffer[1], 0xF0);
    EXPECT_EQ(buffer[2], 1);   // left by the calibration-mode command
    EXPECT_EQ(buffer[3], 77);  // left by the setting written before
}

TEST(CommandWriters, FirmwareChunkFillsBytesZeroToFortyOnly) {
    std::vector<std::uint8_t> chunk(65, 0xAA);
    std::array<std::uint8_t, protocol::kFirmwareChunkPayload> payload{};
    std::iota(payload.begin(), payload.end(), std::uint8_t{1});
    protocol::writeFirmwareChunk(chunk, payload);
    EXPECT_EQ(chunk[0], 0);
    for (std::size_t j = 0; j < payload.size(); ++j) {
        EXPECT_EQ(chunk[1 + j], payload[j]);
    }
    for (std::size_t i = 41; i < chunk.size(); ++i) {
        EXPECT_EQ(chunk[i], 0xAA) << "byte " << i;
    }
}

TEST(ModeFlags, OnlyTheSequentialBitCounts) {
    EXPECT_EQ(protocol::modeOf(0x00), protocol::kHPatternMode);
    EXPECT_EQ(protocol::modeOf(0xFD), protocol::kHPatternMode);
    EXPECT_EQ(protocol::modeOf(0x02), protocol::kSequentialMode);
    EXPECT_EQ(protocol::modeOf(0xFF), protocol::kSequentialMode);
}

}  // namespace

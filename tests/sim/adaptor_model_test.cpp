#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "sim/adaptor_model.h"

namespace sim {
namespace {

using Report = std::vector<std::uint8_t>;

// A full-length report starting with `head`; the unused bytes hold junk the adaptor
// must ignore.
Report command(std::initializer_list<std::uint8_t> head, std::size_t length = 65) {
    Report report(length, 0xA5);
    std::copy(head.begin(), head.end(), report.begin());
    return report;
}

Report fetch(AdaptorModel& model) {
    Report reply(model.identity().featureReportByteLength, 0xEE);
    reply[0] = 0;
    EXPECT_TRUE(model.handleGetFeature(reply));
    return reply;
}

Report zeroReplyWithPayload(std::size_t offset, std::span<const std::uint8_t> payload) {
    Report reply(65, 0);
    std::copy(payload.begin(), payload.end(), reply.begin() + offset);
    return reply;
}

TEST(AdaptorModelCommands, CalibrationModeFollowsByteTwoOnly) {
    AdaptorModel model;
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xDB, 1})));
    EXPECT_TRUE(model.calibrationMode);
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xDB, 0})));
    EXPECT_FALSE(model.calibrationMode);
    EXPECT_EQ(model.settings, kFactorySettings);
}

TEST(AdaptorModelCommands, SettingsReplyComesOnceThenZeroPayload) {
    AdaptorModel model;
    model.settings = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xF0})));
    EXPECT_EQ(fetch(model), zeroReplyWithPayload(2, model.settings));
    EXPECT_EQ(fetch(model), Report(65, 0));
}

TEST(AdaptorModelCommands, WriteSettingStoresOnlyAddressesUpToFive) {
    AdaptorModel model;
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xEE, 5, 99})));
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xEE, 6, 1})));
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xEE, 255, 1})));
    auto expected = kFactorySettings;
    expected[5] = 99;
    EXPECT_EQ(model.settings, expected);
    // The adaptor keeps setting address k in memory byte k; a dump shows the store.
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), model.dumpedMemory().begin()));
    model.settingsInMemory = false;
    EXPECT_EQ(model.dumpedMemory(), model.memory);
}

TEST(AdaptorModelCommands, MemoryDumpGivesEightBlocksInOrderAndRestarts) {
    AdaptorModel model;
    model.settingsInMemory = false;
    for (std::size_t i = 0; i < model.memory.size(); ++i) {
        model.memory[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xD0})));
    for (std::size_t block = 0; block < 8; ++block) {
        EXPECT_EQ(fetch(model),
                  zeroReplyWithPayload(2, std::span(model.memory).subspan(block * 16, 16)))
            << "block " << block;
    }
    EXPECT_EQ(fetch(model), Report(65, 0));

    ASSERT_TRUE(model.handleSetFeature(command({0, 0xD0})));
    fetch(model);
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xD0})));
    EXPECT_EQ(fetch(model), zeroReplyWithPayload(2, std::span(model.memory).first(16)));
}

TEST(AdaptorModelCommands, WrongLengthOrReportIdIsRefusedWithoutEffect) {
    AdaptorModel model;
    EXPECT_FALSE(model.handleSetFeature(command({0, 0xDB, 1}, 64)));
    EXPECT_FALSE(model.handleSetFeature(command({0, 0xDB, 1}, 66)));
    EXPECT_FALSE(model.handleSetFeature(command({1, 0xDB, 1})));
    EXPECT_FALSE(model.handleSetFeature({}));
    EXPECT_FALSE(model.calibrationMode);

    ASSERT_TRUE(model.handleSetFeature(command({0, 0xF0})));
    Report shortReply = command({0}, 64);
    EXPECT_FALSE(model.handleGetFeature(shortReply));
    EXPECT_EQ(shortReply, command({0}, 64));
    EXPECT_EQ(fetch(model), zeroReplyWithPayload(2, model.settings));  // still pending
}

TEST(AdaptorModelCommands, AnyDeclaredLengthIsServedWithinBounds) {
    // Run under the sanitizers, this catches any write past a short report.
    for (std::uint16_t length = 0; length <= 300; ++length) {
        AdaptorModel model;
        model.identity().featureReportByteLength = length;
        for (const std::uint8_t code : {0xDB, 0xF0, 0xEE, 0xD0, 0x00}) {
            Report report(length, 0);
            if (length > 1) {
                report[1] = code;
            }
            EXPECT_EQ(model.handleSetFeature(report), length > 0);
            for (int i = 0; i < 9; ++i) {
                report.assign(length, 0);
                EXPECT_EQ(model.handleGetFeature(report), length > 0);
            }
        }
    }
}

struct GearCase {
    LeverPosition lever;
    std::uint8_t mask;
    std::uint8_t flag;
};

TEST(AdaptorModelGears, DecidedAtAndAroundFactoryThresholds) {
    // V1 80, V2 175, H2 70, H1 185, SeqH2 75, SeqH1 180.
    const std::vector<GearCase> cases{
        {{79, 186}, 0x01, 0},      {{79, 69}, 0x02, 0},    {{80, 186}, 0x04, 0},
        {{175, 69}, 0x08, 0},      {{176, 186}, 0x10, 0},  {{255, 0}, 0x20, 0},
        {{0, 185}, 0, 0},          {{0, 70}, 0, 0},        {{200, 128}, 0, 0},
        {{0, 181, true}, 0x80, 0}, {{0, 180, true}, 0, 0}, {{0, 75, true}, 0, 0},
        {{255, 74, true}, 0, 1},
    };
    const AdaptorModel model;
    for (const GearCase& c : cases) {
        const GearReading reading = model.gearFor(c.lever);
        EXPECT_EQ(reading.gearMask, c.mask) << int(c.lever.x) << "," << int(c.lever.y);
        EXPECT_EQ(reading.flag, c.flag) << int(c.lever.x) << "," << int(c.lever.y);
    }
}

TEST(AdaptorModelGears, StoredThresholdsChangeTheDecision) {
    AdaptorModel model;
    const LeverPosition lever{100, 150};
    const LeverPosition pushed{100, 150, true};
    EXPECT_EQ(model.gearFor(lever).gearMask, 0);
    EXPECT_EQ(model.gearFor(pushed).gearMask, 0);
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xEE, protocol::kAddressH1, 149})));
    EXPECT_EQ(model.gearFor(lever).gearMask, 0x04);
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xEE, protocol::kAddressV1, 101})));
    EXPECT_EQ(model.gearFor(lever).gearMask, 0x01);
    ASSERT_TRUE(model.handleSetFeature(command({0, 0xEE, protocol::kAddressSeqH1, 149})));
    EXPECT_EQ(model.gearFor(pushed).gearMask, 0x80);
}

TEST(AdaptorModelGears, StateReportLayout) {
    const AdaptorModel model;
    using State = std::array<std::uint8_t, 6>;
    EXPECT_EQ(model.stateReport({200, 20}), (State{0, 200, 20, 0x20, 0, 0}));
    EXPECT_EQ(model.stateReport({10, 10, true}), (State{0, 10, 10, 0, 1, 0x02}));
}

TEST(AdaptorModelLoader, ChunksAccumulateToTheWholeImage) {
    AdaptorModel model(loaderIdentity());
    std::vector<std::uint8_t> image;
    for (std::size_t chunk = 0; chunk < AdaptorModel::kFirmwareChunkCount; ++chunk) {
        EXPECT_FALSE(model.firmwareComplete());
        Report report = command({0}, 65);  // bytes after the 40 image bytes are junk
        for (std::size_t i = 1; i <= 40; ++i) {
            report[i] = static_cast<std::uint8_t>(chunk + i);
            image.push_back(report[i]);
        }
        EXPECT_FALSE(model.handleSetFeature(std::span(report).first(64)));
        ASSERT_TRUE(model.handleSetFeature(report));
    }
    EXPECT_TRUE(model.firmwareComplete());
    EXPECT_EQ(model.firmwareReceived.size(), 8080u);
    EXPECT_EQ(model.firmwareReceived, image);
    EXPECT_FALSE(model.handleSetFeature(command({0})));
    EXPECT_EQ(model.firmwareReceived.size(), 8080u);
}

TEST(AdaptorModelLoader, CommandsAreNotImageDataAndNothingIsFetched) {
    AdaptorModel model(loaderIdentity());
    // As the window sends them: the bytes after the command's own stay zero.
    const auto windowCommand = [](std::uint8_t commandByte) {
        Report report(65, 0);
        report[1] = commandByte;
        report[2] = 1;
        report[3] = 2;
        return report;
    };
    for (std::uint8_t commandByte : {0xDB, 0xF0, 0xEE, 0xD0}) {
        ASSERT_TRUE(model.handleSetFeature(windowCommand(commandByte)));
    }
    EXPECT_FALSE(model.calibrationMode);
    EXPECT_EQ(model.firmwareChunksReceived, 0u);
    // Image data that begins like a command is still image data.
    Report chunk = windowCommand(0xDB);
    chunk[20] = 7;
    ASSERT_TRUE(model.handleSetFeature(chunk));
    EXPECT_EQ(model.firmwareChunksReceived, 1u);
    Report reply(65, 0);
    EXPECT_FALSE(model.handleGetFeature(reply));
}

}  // namespace
}  // namespace sim

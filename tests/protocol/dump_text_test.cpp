#include "protocol/dump_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

TEST(DumpText, ByteFieldIsSpaceAndTwoUpperCaseDigits) {
    EXPECT_EQ(protocol::byteField(0x00), " 00");
    EXPECT_EQ(protocol::byteField(0x0A), " 0A");
    EXPECT_EQ(protocol::byteField(0xA0), " A0");
    EXPECT_EQ(protocol::byteField(0xFF), " FF");
    for (int value = 0; value < 256; ++value) {
        const std::string field = protocol::byteField(static_cast<std::uint8_t>(value));
        ASSERT_EQ(field.size(), 3u) << value;
        EXPECT_EQ(std::stoi(field, nullptr, 16), value) << field;
        EXPECT_EQ(field.find_first_of("abcdef"), std::string::npos) << field;
    }
}

TEST(DumpText, ModelLabelOnlyForKelvoAndMirad) {
    EXPECT_EQ(protocol::modelLabel(protocol::kKelvo), "Kelvo: ");
    EXPECT_EQ(protocol::modelLabel(protocol::kMirad), "Mirad: ");
    EXPECT_EQ(protocol::modelLabel(protocol::kUsbShifter), "");
    EXPECT_EQ(protocol::modelLabel(protocol::kLoader), "");
    EXPECT_EQ(protocol::modelLabel(0), "");
}

TEST(DumpText, BlockFieldsAppendInOrderAndUncarriedBytesShowUnread) {
    std::array<std::uint8_t, protocol::kMemoryBlockSize> block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(0xF0 + i);
    }
    std::string text = "x";
    protocol::appendBlockFields(text, block);
    EXPECT_EQ(text, "x F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF");

    std::string unread = "x";
    protocol::appendBlockFields(unread, block, 0);
    EXPECT_EQ(unread, "x ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ??");

    std::string partly = "x";
    protocol::appendBlockFields(partly, block, 3);
    EXPECT_EQ(partly, "x F0 F1 F2 ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ??");
}

TEST(DumpText, RowsOfSixteenAfterTheirOffsetsOnlyForADumpsText) {
    const std::string row = " 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E ??";
    const struct {
        std::string text;
        std::string rows;
    } cases[] = {
        {"Kelvo: " + row + row, "Kelvo:\n00:" + row + "\n10:" + row},
        {row, "00:" + row},                                  // no label
        {"Mirad: " + row + " 0F", "Mirad: " + row + " 0F"},  // not whole rows
        {"default", "default"},
        {"", ""},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(protocol::dumpRows(text), rows) << text;
    }
}

}  // namespace

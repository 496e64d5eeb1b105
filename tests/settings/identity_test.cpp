#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "protocol/identity_text.h"
#include "settings/product_caption.h"

namespace {

using protocol::decodeIdentityString;
using protocol::versionText;

std::array<std::uint8_t, 201> bufferOf(std::initializer_list<std::uint16_t> units) {
    std::array<std::uint8_t, 201> buffer{};
    std::size_t i = 0;
    for (std::uint16_t unit : units) {
        buffer[i++] = static_cast<std::uint8_t>(unit & 0xFF);
        buffer[i++] = static_cast<std::uint8_t>(unit >> 8);
    }
    return buffer;
}

TEST(IdentityDecoding, TakesTheLowByteOfEachUnitUpToTheTerminator) {
    EXPECT_EQ(decodeIdentityString(bufferOf({'A', 'B', 0})), "AB");
    EXPECT_EQ(decodeIdentityString(bufferOf({0, 'X'})), "");
    // A unit above 0xFF shows as its low byte; one whose low byte is zero ends the text.
    EXPECT_EQ(decodeIdentityString(bufferOf({'a', 0x0142, 'c'})), "aBc");
    EXPECT_EQ(decodeIdentityString(bufferOf({'a', 0x0100, 'c'})), "a");
}

TEST(IdentityDecoding, BytesAbove127AreLatin1Characters) {
    EXPECT_EQ(decodeIdentityString(bufferOf({'C', 0xE9, 'z', 0})), "C\u00e9z");
    EXPECT_EQ(decodeIdentityString(bufferOf({0x80, 0xA0, 0xFF, 0})), "\u0080\u00a0\u00ff");
    // The low byte still decides: U+20AC (euro sign) shows as U+00AC.
    EXPECT_EQ(decodeIdentityString(bufferOf({0x20AC, 0})), "\u00ac");
}

TEST(IdentityDecoding, StopsAtTheEndOfTheHundredBytesTheStringMayFill) {
    std::array<std::uint8_t, 201> buffer{};
    for (std::size_t i = 0; i < 100; i += 2) {
        buffer[i] = static_cast<std::uint8_t>('0' + (i / 2) % 10);
        buffer[i + 1] = 0;
    }
    EXPECT_EQ(decodeIdentityString(buffer).size(), 50U);
    // Without the never-written tail the scan still ends with the buffer.
    EXPECT_EQ(decodeIdentityString(std::span(buffer).first(100)).size(), 50U);
}

TEST(VersionText, ShowsTheMinorByteInUpperCaseHexWithoutLeadingZeros) {
    EXPECT_EQ(versionText(0x0105), " 1.5");
    EXPECT_EQ(versionText(0x0110), " 1.10");
    EXPECT_EQ(versionText(0x010A), " 1.A");
    EXPECT_EQ(versionText(0x0200), " 2.0");
    EXPECT_EQ(versionText(0x0101), " 1.1");
    EXPECT_EQ(versionText(0xFFFF), " 255.FF");
}

TEST(Captions, FollowTheProduct) {
    EXPECT_EQ(settings::captionForProduct(-20458), "Kelvo/Mirad shifter interface calibration");
    EXPECT_EQ(settings::captionForProduct(0x10A1), "Mirad shifter interface calibration v1.5");
    EXPECT_EQ(settings::captionForProduct(0x10A0), "Kelvo shifter interface calibration v1.5");
    EXPECT_EQ(settings::captionForProduct(0x10A2), "USB shifter interface calibration v1.5");
}

}  // namespace

#include "hid/utf16_string.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace hid {
namespace {

using ::testing::ElementsAre;

constexpr std::uint8_t kUntouched = 0xEE;

std::vector<std::uint8_t> untouched(std::size_t size) {
    return std::vector<std::uint8_t>(size, kUntouched);
}

TEST(Utf16Conversion, BmpCharactersPassThrough) {
    EXPECT_EQ(utf16FromUtf32(U"Kelvo \u00e9\u20ac"), u"Kelvo \u00e9\u20ac");
}

TEST(Utf16Conversion, CharactersBeyondTheBmpBecomeSurrogatePairs) {
    EXPECT_EQ(utf16FromUtf32(U"\U0001F600"), (std::u16string{0xD83D, 0xDE00}));
    EXPECT_EQ(utf16FromUtf32(U"\U0010FFFF"), (std::u16string{0xDBFF, 0xDFFF}));
}

TEST(Utf16Conversion, InvalidCodePointsBecomeReplacementCharacters) {
    const std::u32string invalid = {U'a', char32_t{0xD800}, char32_t{0x110000}, U'b'};
    EXPECT_EQ(utf16FromUtf32(invalid), u"a\uFFFD\uFFFDb");
}

TEST(Utf16Conversion, WideStringsOfThisPlatform) {
    EXPECT_EQ(utf16FromWide(L"Mirad\U0001F600"), utf16FromUtf32(U"Mirad\U0001F600"));
    EXPECT_EQ(utf16FromWide(L""), u"");
}

TEST(Utf16Buffer, ShortStringGetsATerminator) {
    auto buffer = untouched(100);
    EXPECT_EQ(writeUtf16Le(u"Ab\u20ac", buffer), 8u);
    EXPECT_THAT(std::vector(buffer.begin(), buffer.begin() + 9),
                ElementsAre('A', 0, 'b', 0, 0xAC, 0x20, 0, 0, kUntouched));
}

TEST(Utf16Buffer, FiftyUnitsFillOneHundredBytesWithoutTerminator) {
    const std::u16string fifty(50, u'x');
    auto storage = untouched(102);
    EXPECT_EQ(writeUtf16Le(fifty, std::span(storage).first(100)), 100u);
    EXPECT_EQ(storage[98], 'x');
    EXPECT_EQ(storage[99], 0);
    EXPECT_EQ(storage[100], kUntouched);

    // One unit more than fits is cut, still without a terminator.
    EXPECT_EQ(writeUtf16Le(fifty + u"y", std::span(storage).first(100)), 100u);
    EXPECT_EQ(storage[98], 'x');
    EXPECT_EQ(storage[100], kUntouched);
}

TEST(Utf16Buffer, OddSizesLeaveTheLastByteAlone) {
    auto buffer = untouched(11);
    EXPECT_EQ(writeUtf16Le(u"abcdefgh", buffer), 10u);
    EXPECT_EQ(buffer[8], 'e');
    EXPECT_EQ(buffer[10], kUntouched);

    buffer = untouched(7);
    EXPECT_EQ(writeUtf16Le(u"ab", buffer), 6u);
    EXPECT_THAT(buffer, ElementsAre('a', 0, 'b', 0, 0, 0, kUntouched));

    buffer = untouched(1);
    EXPECT_EQ(writeUtf16Le(u"ab", buffer), 0u);
    EXPECT_EQ(buffer[0], kUntouched);
}

TEST(Utf16Buffer, SurrogatePairsAreWrittenWholeOrNotAtAll) {
    const std::u16string smiley = utf16FromUtf32(U"a\U0001F600");
    auto buffer = untouched(8);
    EXPECT_EQ(writeUtf16Le(smiley, buffer), 8u);
    EXPECT_THAT(buffer, ElementsAre('a', 0, 0x3D, 0xD8, 0x00, 0xDE, 0, 0));

    // Room for 'a' and one more unit: the pair does not fit, the terminator does.
    buffer = untouched(4);
    EXPECT_EQ(writeUtf16Le(smiley, buffer), 4u);
    EXPECT_THAT(buffer, ElementsAre('a', 0, 0, 0));
}

TEST(Utf16Buffer, EmptyString) {
    auto buffer = untouched(4);
    EXPECT_EQ(writeUtf16Le(u"", buffer), 2u);
    EXPECT_THAT(buffer, ElementsAre(0, 0, kUntouched, kUntouched));
    EXPECT_EQ(writeUtf16Le(u"", {}), 0u);
}

}  // namespace
}  // namespace hid

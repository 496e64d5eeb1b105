#include "hid/report_descriptor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

DescriptorSummary parsedOk(const Bytes& descriptor) {
    const DescriptorParse parse = parseReportDescriptor(descriptor);
    EXPECT_TRUE(parse.ok()) << describe(parse.error) << " at offset " << parse.errorOffset;
    return parse.summary;
}

DescriptorError errorOf(const Bytes& descriptor) {
    return parseReportDescriptor(descriptor).error;
}

// A vendor device without report IDs: 5-byte input report, 64-byte feature report.
const Bytes kVendorNoIds = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor)
    0x09, 0x01,        // Usage
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum 0
    0x26, 0xFF, 0x00,  //   Logical Maximum 255
    0x75, 0x08,        //   Report Size 8
    0x95, 0x05,        //   Report Count 5
    0x09, 0x02,        //   Usage
    0x81, 0x02,        //   Input
    0x95, 0x40,        //   Report Count 64
    0x09, 0x03,        //   Usage
    0xB1, 0x02,        //   Feature
    0xC0,              // End Collection
};

// A boot keyboard: 8-byte input report, LED output report of 5 bits plus padding.
const Bytes kKeyboard = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,              // Generic Desktop, Keyboard, Application
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,              //   modifier usages
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08,  //   8 x 1 bit
    0x81, 0x02,                                      //   Input
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,              //   reserved byte
    0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01,  //   5 LEDs
    0x29, 0x05, 0x91, 0x02,                          //   Output
    0x95, 0x01, 0x75, 0x03, 0x91, 0x01,              //   3 bits padding
    0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65,  //   6 key codes
    0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00,  //   Input
    0xC0,
};

// Three report IDs; ID 2's feature report is built from two items.
const Bytes kSeveralIds = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x75,
    0x08, 0x95, 0x03, 0x09, 0x01, 0xB1, 0x02,                    // ID 1: feature 3 bytes
    0x85, 0x02, 0x95, 0x10, 0x09, 0x02, 0xB1, 0x02,              // ID 2: feature 16 bytes
    0x85, 0x03, 0x95, 0x07, 0x09, 0x03, 0x81, 0x02,              // ID 3: input 7 bytes
    0x85, 0x02, 0x75, 0x04, 0x95, 0x03, 0x09, 0x04, 0xB1, 0x02,  // ID 2: 12 more bits
    0xC0,
};

// Push saves 8 x 4 bits; the items inside use 16 x 3; Pop brings 8 x 4 back.
const Bytes kPushPop = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x04,  // Report Size 8, Count 4
    0xA4,                                                              // Push
    0x75, 0x10, 0x95, 0x03,                                            // Report Size 16, Count 3
    0x09, 0x01, 0x81, 0x02,                                            // Input: 48 bits
    0xB4,                                                              // Pop
    0x09, 0x02, 0x81, 0x02,                                            // Input: 32 bits
    0x09, 0x03, 0xB1, 0x02,                                            // Feature: 32 bits
    0xC0,
};

// A long item whose data would change the report size if it were read as items.
const Bytes kLongItem = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08,
    0x95, 0x02, 0xFE, 0x04, 0x10, 0x75, 0x20, 0x95, 0x09,  // long item, 4 data bytes
    0x09, 0x01, 0x81, 0x02,                                // Input: 2 bytes
    0xC0,
};

// A three-button mouse: input reports only.
const Bytes kMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02,  // 3 buttons
    0x95, 0x01, 0x75, 0x05, 0x81, 0x01,                                            // padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95,
    0x02, 0x81, 0x06,  // X, Y
    0xC0, 0xC0,
};

Bytes wrapInCollection(const Bytes& body) {
    Bytes out = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    // Byte by byte: GCC 12 at -O2 warns wrongly about a range insert here.
    for (std::uint8_t byte : body) {
        out.push_back(byte);
    }
    out.push_back(0xC0);
    return out;
}

TEST(ReportDescriptorLengths, VendorDeviceWithoutIdsStillCountsTheIdByte) {
    const DescriptorSummary summary = parsedOk(kVendorNoIds);
    EXPECT_FALSE(summary.usesReportIds);
    EXPECT_EQ(summary.inputReportByteLength, 6);
    EXPECT_EQ(summary.outputReportByteLength, 0);
    EXPECT_EQ(summary.featureReportByteLength, 65);
}

TEST(ReportDescriptorLengths, KeyboardSumsBitFieldsBeforeRounding) {
    const DescriptorSummary summary = parsedOk(kKeyboard);
    EXPECT_FALSE(summary.usesReportIds);
    EXPECT_EQ(summary.inputReportByteLength, 9);
    EXPECT_EQ(summary.outputReportByteLength, 2);
    EXPECT_EQ(summary.featureReportByteLength, 0);
}

TEST(ReportDescriptorLengths, SeveralIdsGiveTheLargestReportPerType) {
    const DescriptorSummary summary = parsedOk(kSeveralIds);
    EXPECT_TRUE(summary.usesReportIds);
    // ID 2: 128 + 12 bits = 18 bytes, plus the ID byte.
    EXPECT_EQ(summary.featureReportByteLength, 19);
    EXPECT_EQ(summary.inputReportByteLength, 8);
    EXPECT_EQ(summary.outputReportByteLength, 0);
}

TEST(ReportDescriptorLengths, PopRestoresSizeAndCount) {
    const DescriptorSummary summary = parsedOk(kPushPop);
    EXPECT_EQ(summary.inputReportByteLength, 11);  // 48 + 32 bits
    EXPECT_EQ(summary.featureReportByteLength, 5);
}

TEST(ReportDescriptorLengths, PopRestoresTheReportId) {
    const DescriptorSummary summary = parsedOk(wrapInCollection({
        0x85, 0x01, 0x75, 0x08, 0x95, 0x02,  // ID 1, 8 x 2
        0xA4, 0x85, 0x02, 0x95, 0x09,        // Push; ID 2, count 9
        0x81, 0x02,                          // ID 2 input: 9 bytes
        0xB4,                                // Pop: ID 1, count 2
        0x81, 0x02, 0x81, 0x02, 0x81, 0x02,  // ID 1 input: 6 bytes
    }));
    EXPECT_EQ(summary.inputReportByteLength, 10);
}

TEST(ReportDescriptorLengths, LongItemIsSkippedWhole) {
    const DescriptorSummary summary = parsedOk(kLongItem);
    EXPECT_EQ(summary.inputReportByteLength, 3);
}

TEST(ReportDescriptorLengths, InputOnlyDeviceHasNoFeatureLength) {
    const DescriptorSummary summary = parsedOk(kMouse);
    EXPECT_EQ(summary.inputReportByteLength, 4);
    EXPECT_EQ(summary.outputReportByteLength, 0);
    EXPECT_EQ(summary.featureReportByteLength, 0);
}

TEST(ReportDescriptorLengths, FourByteItemDataIsLittleEndian) {
    // Report Count 0x00000102 = 258 bytes.
    const DescriptorSummary summary =
        parsedOk(wrapInCollection({0x75, 0x08, 0x97, 0x02, 0x01, 0x00, 0x00, 0xB1, 0x02}));
    EXPECT_EQ(summary.featureReportByteLength, 259);
}

TEST(ReportDescriptorLengths, LargestReportThatFitsSixteenBits) {
    // 65534 bytes plus the ID byte is the most a 16-bit length can hold.
    EXPECT_EQ(parsedOk(wrapInCollection({0x75, 0x08, 0x96, 0xFE, 0xFF, 0x81, 0x02}))
                  .inputReportByteLength,
              65535);
    EXPECT_EQ(errorOf(wrapInCollection({0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02})),
              DescriptorError::ReportTooLong);
}

TEST(ReportDescriptorErrors, EmptyAndTruncatedInput) {
    EXPECT_EQ(errorOf({}), DescriptorError::Empty);
    EXPECT_EQ(errorOf({0x26, 0xFF}), DescriptorError::Truncated);
    EXPECT_EQ(errorOf({0x27, 0x01, 0x02, 0x03}), DescriptorError::Truncated);
    EXPECT_EQ(errorOf({0xFE}), DescriptorError::Truncated);
    EXPECT_EQ(errorOf({0xFE, 0x05, 0x10, 0x01, 0x02}), DescriptorError::Truncated);
}

TEST(ReportDescriptorErrors, PrefixesCutInsideTheCollectionFail) {
    for (const Bytes* descriptor : {&kVendorNoIds, &kKeyboard, &kSeveralIds, &kLongItem}) {
        // Nothing before the first Collection item holds a report.
        const auto collection = static_cast<std::size_t>(
            std::find(descriptor->begin(), descriptor->end(), 0xA1) - descriptor->begin());
        ASSERT_LT(collection, descriptor->size());
        for (std::size_t length = 0; length < descriptor->size(); ++length) {
            const Bytes prefix(descriptor->begin(),
                               descriptor->begin() + static_cast<std::ptrdiff_t>(length));
            const DescriptorParse parse = parseReportDescriptor(prefix);
            if (length > collection) {
                EXPECT_FALSE(parse.ok()) << "length " << length;
            } else if (parse.ok()) {
                // Only global and local items so far: no report yet.
                EXPECT_EQ(parse.summary.inputReportByteLength, 0) << "length " << length;
                EXPECT_EQ(parse.summary.featureReportByteLength, 0) << "length " << length;
            }
        }
    }
}

TEST(ReportDescriptorErrors, ErrorOffsetPointsAtTheBadItem) {
    const Bytes descriptor = {0x75, 0x08, 0x95, 0x01, 0x85, 0x00, 0x81, 0x02};
    const DescriptorParse parse = parseReportDescriptor(descriptor);
    EXPECT_EQ(parse.error, DescriptorError::BadReportId);
    EXPECT_EQ(parse.errorOffset, 4u);
}

TEST(ReportDescriptorErrors, InvalidReportIds) {
    EXPECT_EQ(errorOf(wrapInCollection({0x85, 0x00})), DescriptorError::BadReportId);
    EXPECT_EQ(errorOf(wrapInCollection({0x84})), DescriptorError::BadReportId);
    EXPECT_EQ(errorOf(wrapInCollection({0x86, 0x00, 0x01})), DescriptorError::BadReportId);
    EXPECT_TRUE(parseReportDescriptor(wrapInCollection({0x86, 0xFF, 0x00})).ok());
}

TEST(ReportDescriptorErrors, DataItemsWithAndWithoutReportIds) {
    EXPECT_EQ(errorOf(wrapInCollection({0x75, 0x08, 0x95, 0x01, 0x81, 0x02,  // no ID
                                        0x85, 0x01, 0x81, 0x02})),
              DescriptorError::MixedReportIds);
}

TEST(ReportDescriptorErrors, UnbalancedCollections) {
    EXPECT_EQ(errorOf({0xC0}), DescriptorError::UnbalancedCollection);
    EXPECT_EQ(errorOf({0xA1, 0x01, 0xA1, 0x00, 0xC0}), DescriptorError::UnbalancedCollection);
}

TEST(ReportDescriptorErrors, PushAndPopBounds) {
    EXPECT_EQ(errorOf(wrapInCollection({0xB4})), DescriptorError::PopWithoutPush);
    Bytes balanced(16, 0xA4);
    balanced.insert(balanced.end(), 16, 0xB4);
    EXPECT_TRUE(parseReportDescriptor(wrapInCollection(balanced)).ok());
    EXPECT_EQ(errorOf(wrapInCollection(Bytes(17, 0xA4))), DescriptorError::PushTooDeep);
}

// The kernel accepts reserved items and skips them; so does the parser, and they change
// no length, whatever data they carry.
TEST(ReportDescriptorLengths, ReservedItemsAreSkipped) {
    const Bytes feature = {0x75, 0x08, 0x95, 0x40, 0xB1, 0x02};  // 64 feature bytes
    for (const Bytes& reserved : {Bytes{0x0C}, Bytes{0x0F, 1, 2, 3, 4}, Bytes{0xDE, 0x00, 0x11},
                                  Bytes{0xF1, 0x02}, Bytes{0xD0}}) {
        Bytes body = reserved;
        body.insert(body.end(), feature.begin(), feature.end());
        body.insert(body.end(), reserved.begin(), reserved.end());
        const DescriptorSummary summary = parsedOk(wrapInCollection(body));
        EXPECT_EQ(summary.featureReportByteLength, 65) << int(reserved[0]);
        EXPECT_EQ(summary.inputReportByteLength, 0) << int(reserved[0]);
    }
}

TEST(ReportDescriptorErrors, HugeSizesAndCountsDoNotOverflow) {
    const Bytes huge = {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF};
    Bytes once = huge;
    once.insert(once.end(), {0x81, 0x02});
    EXPECT_EQ(errorOf(wrapInCollection(once)), DescriptorError::ReportTooLong);

    // Many items that each fit but together do not.
    Bytes many = {0x75, 0x08, 0x96, 0x00, 0x40};  // 16384 bytes per item
    for (int i = 0; i < 4; ++i) {
        many.insert(many.end(), {0xB1, 0x02});
    }
    EXPECT_EQ(errorOf(wrapInCollection(many)), DescriptorError::ReportTooLong);
}

TEST(ReportDescriptorErrors, RandomBytesGiveAResultOrAnError) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 64);
    for (int round = 0; round < 20000; ++round) {
        Bytes bytes(static_cast<std::size_t>(length(random)));
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        const DescriptorParse parse = parseReportDescriptor(bytes);
        if (parse.ok()) {
            // A report with data is at least one payload byte plus the ID byte.
            for (auto value :
                 {parse.summary.inputReportByteLength, parse.summary.outputReportByteLength,
                  parse.summary.featureReportByteLength}) {
                EXPECT_TRUE(value == 0 || value >= 2);
            }
        } else {
            EXPECT_LT(parse.errorOffset, bytes.size() + 1);
        }
    }
}

}  // namespace
}  // namespace hid

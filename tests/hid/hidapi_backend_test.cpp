#include "hid/hidapi/hidapi_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "support/scripted_hidraw.h"

// The backend on hidapi's stand-in: what it makes of the devices a test scripts.
namespace hid {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kUntouched = 0xEE;
constexpr auto kUnknown = Handle{4242};
constexpr standin::DeviceFacts kSecurityKey{0x1050, 0x0407, 0x0100};

class HidapiBackendTest : public ::testing::Test {
  protected:
    // Enumerates (as discovery does) and opens the path.
    Handle openListed(const std::string& path, OpenMode mode = OpenMode::FeatureReports) {
        std::vector<InterfaceIdentity> interfaces;
        EXPECT_TRUE(backend.enumerate(interfaces));
        Handle handle = kUnknown;
        backend.open(path, mode, handle);
        return handle;
    }

    standin::ScriptedSystem system;
    standin::Installation installation{system};
    HidapiBackend backend;
};

TEST_F(HidapiBackendTest, ListsShorterNodeNamesFirst) {
    for (int i = 0; i < 11; ++i) {
        system.addDevice({0x1234, static_cast<std::uint16_t>(i), 0});
    }
    std::vector<InterfaceIdentity> interfaces;
    ASSERT_TRUE(backend.enumerate(interfaces));
    ASSERT_EQ(interfaces.size(), 11U);
    EXPECT_EQ(interfaces[2].path, "/dev/hidraw2");
    EXPECT_EQ(interfaces[10].path, "/dev/hidraw10");
    EXPECT_EQ(interfaces[10].productId, 10);
}

TEST_F(HidapiBackendTest, AttributesAndCapabilitiesComeFromTheOpenedDevice) {
    const standin::ScriptedNode& adaptor = system.addAdaptor();
    const Handle handle = openListed(adaptor.path);
    ASSERT_NE(handle, Handle::None);
    Attributes attributes;
    ASSERT_TRUE(backend.getAttributes(handle, attributes));
    EXPECT_EQ(attributes.Size, 12U);
    EXPECT_EQ(attributes.VendorID, 0x1DD2);
    EXPECT_EQ(attributes.ProductID, 0x10A0);
    EXPECT_EQ(attributes.VersionNumber, 0x0105);
    Capabilities caps;
    ASSERT_TRUE(backend.getCapabilities(handle, caps));
    EXPECT_EQ(caps.InputReportByteLength, 6);
    EXPECT_EQ(caps.FeatureReportByteLength, 65);
}

TEST_F(HidapiBackendTest, ANodeTakenOverAfterEnumerationDoesNotOpen) {
    const standin::ScriptedNode& adaptor = system.addAdaptor();
    std::vector<InterfaceIdentity> interfaces;
    ASSERT_TRUE(backend.enumerate(interfaces));
    const standin::ScriptedNode& key = system.takeOverNode(adaptor, kSecurityKey);

    Handle handle = kUnknown;
    EXPECT_FALSE(backend.open(key.path, OpenMode::FeatureReports, handle));
    EXPECT_EQ(handle, Handle::None);
    EXPECT_EQ(installation.opens(), 1U);
    EXPECT_EQ(installation.devicesStillOpen(), 0U);
    EXPECT_TRUE(installation.misuse().empty());
}

TEST_F(HidapiBackendTest, ANodeReplacedWhileOpeningDoesNotOpen) {
#ifndef __linux__
    GTEST_SKIP() << "node stamps exist on Linux only";
#endif
    standin::ScriptedNode& adaptor = system.addAdaptor();
    system.afterOpen = [&](const std::string&) { adaptor.inode += 1; };
    EXPECT_EQ(openListed(adaptor.path), Handle::None);
    EXPECT_EQ(installation.opens(), 1U);
    EXPECT_EQ(installation.devicesStillOpen(), 0U);
}

TEST_F(HidapiBackendTest, FeatureRepliesTellTheirLengthAndZeroWhatTheyDidNotCarry) {
    standin::ScriptedNode& adaptor = system.addAdaptor();
    adaptor.adaptor->settings = {1, 2, 3, 4, 5, 6};
    const Handle handle = openListed(adaptor.path);
    Bytes request(65, 0);
    request[1] = 0xF0;
    ASSERT_TRUE(backend.setFeature(handle, request));

    adaptor.featureReplyLength = 5;
    Bytes reply(65, kUntouched);
    reply[0] = 0;
    std::int32_t got = 0;
    ASSERT_TRUE(backend.getFeature(handle, reply, got));
    EXPECT_EQ(got, 5);
    EXPECT_THAT(Bytes(reply.begin(), reply.begin() + 6), ElementsAre(0, 0, 1, 2, 3, 0));
    EXPECT_THAT(Bytes(reply.begin() + 5, reply.end()), Each(0));

    adaptor.featureReplyLength = 0;  // not even the report ID
    reply.assign(65, kUntouched);
    EXPECT_FALSE(backend.getFeature(handle, reply, got));
    EXPECT_EQ(got, 0);
    EXPECT_THAT(reply, Each(kUntouched));
}

TEST_F(HidapiBackendTest, ReservedDescriptorItemsStillGiveTheFeatureLength) {
    standin::ScriptedNode& adaptor = system.addAdaptor();
    adaptor.descriptor = standin::vendorDescriptor(65, {0x0C, 0xD0, 0xF1, 0x02, 0x0F, 1, 2, 3, 4});
    Capabilities caps;
    EXPECT_TRUE(backend.getCapabilities(openListed(adaptor.path), caps));
    EXPECT_EQ(caps.FeatureReportByteLength, 65);

    adaptor.descriptor = {0x06, 0x00, 0xFF, 0xA1};  // cut short
    caps = {};
    EXPECT_FALSE(backend.getCapabilities(openListed(adaptor.path), caps));
    EXPECT_EQ(caps.FeatureReportByteLength, 0);
}

TEST_F(HidapiBackendTest, HostileWideStringsBecomeBoundedUtf16) {
    standin::ScriptedNode& adaptor = system.addAdaptor();
    adaptor.manufacturer = std::wstring(300, L'\u00E9');
    // Lone surrogates, whether wchar_t holds UTF-32 (Linux) or UTF-16 (Windows).
    adaptor.product = {static_cast<wchar_t>(0xD800), L'A', static_cast<wchar_t>(0xDC00)};
    const Handle handle = openListed(adaptor.path, OpenMode::NonBlockingInput);

    std::array<std::uint8_t, 102> buffer{};
    buffer.fill(kUntouched);
    ASSERT_TRUE(
        backend.getString(handle, IdentityString::Manufacturer, std::span(buffer).first(100)));
    EXPECT_EQ(buffer[0], 0xE9);
    EXPECT_EQ(buffer[98], 0xE9);
    EXPECT_EQ(buffer[100], kUntouched);  // nothing past the room given

    ASSERT_TRUE(backend.getString(handle, IdentityString::Product, buffer));
    EXPECT_THAT(Bytes(buffer.begin(), buffer.begin() + 8),
                ElementsAre(0xFD, 0xFF, 'A', 0, 0xFD, 0xFF, 0, 0));
}

TEST_F(HidapiBackendTest, PresenceEndsWithTheNodeOrItsReplacement) {
    standin::ScriptedNode& adaptor = system.addAdaptor();
    const Handle handle = openListed(adaptor.path, OpenMode::NonBlockingInput);
    adaptor.input.push_back({1, 2, 3, 4, 5});
    std::array<std::uint8_t, 16> report{};
    std::int32_t got = 0;
    ASSERT_TRUE(backend.readInput(handle, report, got));
    EXPECT_EQ(got, 6);  // the report ID 0 put in front
    EXPECT_THAT(Bytes(report.begin(), report.begin() + 6), ElementsAre(0, 1, 2, 3, 4, 5));
    EXPECT_TRUE(backend.probePresence(handle));

    system.takeOverNode(adaptor, kSecurityKey);
    EXPECT_FALSE(backend.probePresence(handle));
    EXPECT_FALSE(backend.readInput(handle, report, got));
}

TEST_F(HidapiBackendTest, EveryCallFailsHarmlesslyOnUnknownHandles) {
    for (Handle handle : {Handle::None, kUnknown}) {
        Handle closing = handle;
        EXPECT_FALSE(backend.close(closing));
        EXPECT_EQ(closing, handle);

        Attributes attributes;
        EXPECT_FALSE(backend.getAttributes(handle, attributes));
        EXPECT_EQ(attributes.Size, 0u);

        Capabilities capabilities;
        EXPECT_FALSE(backend.getCapabilities(handle, capabilities));
        EXPECT_EQ(capabilities.FeatureReportByteLength, 0);

        std::array<std::uint8_t, 65> report{};
        report.fill(kUntouched);
        EXPECT_FALSE(backend.setFeature(handle, report));
        std::int32_t got = 99;
        EXPECT_FALSE(backend.getFeature(handle, report, got));
        EXPECT_EQ(got, 0);
        EXPECT_THAT(report, Each(kUntouched));

        got = 99;
        EXPECT_FALSE(backend.readInput(handle, report, got));
        EXPECT_EQ(got, 0);
        EXPECT_THAT(report, Each(kUntouched));

        EXPECT_FALSE(backend.getString(handle, IdentityString::Manufacturer, report));
        EXPECT_THAT(report, Each(kUntouched));

        EXPECT_FALSE(backend.probePresence(handle));
    }
}

TEST_F(HidapiBackendTest, ReadEventTokensAreDistinctAndNeverNone) {
    std::set<ReadEvent> seen;
    for (int i = 0; i < 3; ++i) {
        ReadEvent event = ReadEvent::None;
        ASSERT_TRUE(backend.createReadEvent(event));
        EXPECT_NE(event, ReadEvent::None);
        EXPECT_TRUE(seen.insert(event).second);
    }
}

}  // namespace
}  // namespace hid

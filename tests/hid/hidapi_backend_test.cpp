#include "hid/hidapi_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>

// No HID device is reachable here, so these cover what the backend decides on its own.
namespace hid {
namespace {

using ::testing::Each;

constexpr std::uint8_t kUntouched = 0xEE;
constexpr auto kUnknown = Handle{4242};

TEST(HidapiBackendEnumerate, ListsEachPathOnceInTheSameOrder) {
    HidapiBackend backend;
    std::vector<InterfaceIdentity> first;
    std::vector<InterfaceIdentity> second;
    ASSERT_TRUE(backend.enumerate(first));
    ASSERT_TRUE(backend.enumerate(second));

    std::set<std::string> paths;
    for (const auto& interface : first) {
        EXPECT_TRUE(paths.insert(interface.path).second) << interface.path;
    }
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].path, second[i].path);
    }
}

TEST(HidapiBackendOpen, FailsForPathsThatAreNoHidDevice) {
    HidapiBackend backend;
    const std::string notHid =
        (std::filesystem::temp_directory_path() / "hidapi_backend_not_hid").string();
    std::ofstream(notHid) << "plain file";

    for (const std::string& path :
         {std::string("/dev/hidraw-does-not-exist"), std::string(), notHid}) {
        for (OpenMode mode : {OpenMode::FeatureReports, OpenMode::NonBlockingInput}) {
            Handle handle = kUnknown;
            EXPECT_FALSE(backend.open(path, mode, handle)) << path;
            EXPECT_EQ(handle, Handle::None) << path;
        }
    }
    std::filesystem::remove(notHid);
}

TEST(HidapiBackendHandles, CloseFailsForNoneAndUnknownHandles) {
    HidapiBackend backend;
    Handle none = Handle::None;
    EXPECT_FALSE(backend.close(none));
    EXPECT_EQ(none, Handle::None);

    Handle unknown = kUnknown;
    EXPECT_FALSE(backend.close(unknown));
    EXPECT_EQ(unknown, kUnknown);
}

TEST(HidapiBackendHandles, EveryCallFailsHarmlesslyOnUnknownHandles) {
    HidapiBackend backend;
    for (Handle handle : {Handle::None, kUnknown}) {
        Attributes attributes;
        EXPECT_FALSE(backend.getAttributes(handle, attributes));
        EXPECT_EQ(attributes.Size, 0u);

        Capabilities capabilities;
        EXPECT_FALSE(backend.getCapabilities(handle, capabilities));
        EXPECT_EQ(capabilities.FeatureReportByteLength, 0);

        std::array<std::uint8_t, 65> report{};
        report.fill(kUntouched);
        EXPECT_FALSE(backend.setFeature(handle, report));
        EXPECT_FALSE(backend.getFeature(handle, report));
        EXPECT_THAT(report, Each(kUntouched));

        std::int32_t bytesRead = 99;
        EXPECT_FALSE(backend.readInput(handle, report, bytesRead));
        EXPECT_EQ(bytesRead, 0);
        EXPECT_THAT(report, Each(kUntouched));

        EXPECT_FALSE(backend.getString(handle, IdentityString::Manufacturer, report));
        EXPECT_THAT(report, Each(kUntouched));

        EXPECT_FALSE(backend.probePresence(handle));
    }
}

TEST(HidapiBackendReadEvent, TokensAreDistinctAndNeverNone) {
    HidapiBackend backend;
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

#include "hid/hidapi/hidraw_node.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace hid {
namespace {

namespace fs = std::filesystem;

// A scratch directory removed at the end of each test.
class TempDir {
  public:
    TempDir() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() / ("hidraw_node_" + std::string(test->name()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }

    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

TEST(HidrawNodeName, AcceptsOnlyHidrawFollowedByDigits) {
    EXPECT_EQ(hidrawNodeName("/dev/hidraw3"), "hidraw3");
    EXPECT_EQ(hidrawNodeName("/dev/hidraw12"), "hidraw12");
    EXPECT_EQ(hidrawNodeName("hidraw0"), "hidraw0");
    EXPECT_EQ(hidrawNodeName("/dev/hidraw"), "");
    EXPECT_EQ(hidrawNodeName("/dev/hidraw3x"), "");
    EXPECT_EQ(hidrawNodeName("/dev/hidraw3/.."), "");
    EXPECT_EQ(hidrawNodeName("/dev/hidraw3/"), "");
    EXPECT_EQ(hidrawNodeName("/dev/usb/hiddev0"), "");
    EXPECT_EQ(hidrawNodeName(""), "");
}

TEST(HidrawNodeName, SysfsDirectory) {
    EXPECT_EQ(sysfsDirectoryOf("/dev/hidraw3"), "/sys/class/hidraw/hidraw3");
    EXPECT_EQ(sysfsDirectoryOf("/dev/../etc/passwd"), "");
}

TEST(HidrawFiles, OnlyListedHidrawCharacterDevicesCount) {
#ifndef __linux__
    GTEST_SKIP() << "the check is made on Linux only";
#endif
    TempDir dir;
    writeFile(dir.file("hidraw0"), {1});
    EXPECT_FALSE(isHidrawDevice(dir.file("hidraw0")));  // a plain file
    EXPECT_FALSE(isHidrawDevice("/dev/null"));          // a character device, not hidraw
    EXPECT_FALSE(isHidrawDevice("/dev/hidraw4095"));    // no such node
    EXPECT_FALSE(isHidrawDevice(""));
}

TEST(HidrawFiles, ReadsWholeFilesWithinTheLimit) {
#ifndef __linux__
    GTEST_SKIP() << "sysfs files exist on Linux only";
#endif
    TempDir dir;
    std::vector<std::uint8_t> bytes(10000);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    }
    writeFile(dir.file("descriptor"), bytes);

    EXPECT_EQ(readFileBytes(dir.file("descriptor"), 10000), bytes);
    EXPECT_EQ(readFileBytes(dir.file("descriptor"), 9999), std::nullopt);
    EXPECT_EQ(readFileBytes(dir.file("missing"), 10000), std::nullopt);

    writeFile(dir.file("empty"), {});
    EXPECT_EQ(readFileBytes(dir.file("empty"), 10), std::vector<std::uint8_t>{});
}

TEST(HidrawFiles, StampChangesWhenTheNodeIsReplaced) {
#ifndef __linux__
    GTEST_SKIP() << "file stamps exist on Linux only";
#endif
    TempDir dir;
    const std::string node = dir.file("hidraw0");
    EXPECT_EQ(fileStamp(node), std::nullopt);

    writeFile(node, {1});
    const auto first = fileStamp(node);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(fileStamp(node), first);

    // A new file takes the old name, as a replugged device's node would.
    writeFile(dir.file("hidraw0.new"), {2});
    fs::rename(dir.file("hidraw0.new"), node);
    const auto second = fileStamp(node);
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(second, first);

    fs::remove(node);
    EXPECT_EQ(fileStamp(node), std::nullopt);
}

}  // namespace
}  // namespace hid

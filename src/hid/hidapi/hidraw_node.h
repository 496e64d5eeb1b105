#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Filesystem facts about a hidraw device node: its name, its sysfs directory, whether
// a path really is one, and whether the node at a path is still the one that was opened.
// The names are worked out here; the facts come from hidraw_node_linux.cpp, or
// hidraw_node_other.cpp off Linux.
namespace hid {

inline constexpr std::string_view kSysfsHidrawRoot = "/sys/class/hidraw";

// "hidraw3" for "/dev/hidraw3"; empty when the path's last component is not
// "hidraw" followed by digits (so it cannot lead anywhere else in sysfs).
std::string hidrawNodeName(std::string_view devicePath);

// "/sys/class/hidraw/hidraw3", or empty when the path names no hidraw node.
std::string sysfsDirectoryOf(std::string_view devicePath);

// True when the path is the character device that sysfs lists for its hidraw node.
// Always true off Linux, where no such check is made.
bool isHidrawDevice(const std::string& devicePath);

// The whole file, or nothing when it cannot be read or holds more than `limit` bytes.
// Linux only: sysfs is where its files are (elsewhere always nothing).
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::size_t limit);

// Identifies one incarnation of a file: a node removed and created again for a new
// device gets a different stamp even under the same name.
struct FileStamp {
    std::uint64_t fileSystem = 0;
    std::uint64_t inode = 0;
    std::uint64_t deviceNumber = 0;

    bool operator==(const FileStamp&) const = default;
};

// Nothing when the file does not exist (and always nothing off Linux).
std::optional<FileStamp> fileStamp(const std::string& path);

}  // namespace hid

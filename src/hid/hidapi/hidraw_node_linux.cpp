// The filesystem facts about hidraw nodes, as Linux gives them.
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>

#include "hid/hidapi/hidraw_node.h"

namespace hid {

bool isHidrawDevice(const std::string& devicePath) {
    const std::string sysfs = sysfsDirectoryOf(devicePath);
    struct stat info {};
    if (sysfs.empty() || ::stat(devicePath.c_str(), &info) != 0 || !S_ISCHR(info.st_mode)) {
        return false;
    }
    // sysfs gives the node's device number as "major:minor\n".
    const auto listed = readFileBytes(sysfs + "/dev", 64);
    if (!listed) {
        return false;
    }
    std::string text(listed->begin(), listed->end());
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text == std::to_string(major(info.st_rdev)) + ":" + std::to_string(minor(info.st_rdev));
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::size_t limit) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // sysfs reports a nominal size for binary attributes, so read to the end instead.
    std::vector<std::uint8_t> bytes;
    char chunk[4096];
    while (file) {
        file.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(file.gcount());
        if (got > limit - bytes.size()) {
            return std::nullopt;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileStamp{static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_rdev)};
}

}  // namespace hid

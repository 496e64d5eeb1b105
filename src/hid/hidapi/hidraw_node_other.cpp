// Elsewhere device paths are no hidraw nodes (Windows gives device interface paths such
// as \\?\hid#vid_1dd2&pid_10a0#...): hidapi's own paths are taken as they are, and there
// is no sysfs to read.
#include "hid/hidapi/hidraw_node.h"

namespace hid {

bool isHidrawDevice(const std::string&) {
    return true;
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string&, std::size_t) {
    return std::nullopt;
}

std::optional<FileStamp> fileStamp(const std::string&) {
    return std::nullopt;
}

}  // namespace hid

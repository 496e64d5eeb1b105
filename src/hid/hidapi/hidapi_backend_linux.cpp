// Linux (hidraw): the descriptor and the node's presence come from sysfs and /dev.
#include "hid/hidapi/hidapi_platform.h"

namespace hid::platform {
namespace {

// The kernel never hands out a larger descriptor than this.
constexpr std::size_t kMaxDescriptorBytes = 4096;

}  // namespace

std::optional<std::vector<std::uint8_t>> reportDescriptor(hid_device*, const std::string& path) {
    const std::string sysfs = sysfsDirectoryOf(path);
    if (sysfs.empty()) {
        return std::nullopt;
    }
    return readFileBytes(sysfs + "/device/report_descriptor", kMaxDescriptorBytes);
}

// hidapi answers string queries from what it learnt at open, so they keep working after
// an unplug and prove nothing. The device node must still exist and be the node that was
// opened (a replugged device may get a new node under the old name), and its sysfs
// directory must still exist: the kernel removes both when the device disconnects.
bool stillPresent(const std::string& path, const std::optional<FileStamp>& openedStamp,
                  const InterfaceIdentity&) {
    const auto stamp = fileStamp(path);
    if (!stamp || (openedStamp && *stamp != *openedStamp)) {
        return false;
    }
    const std::string sysfs = sysfsDirectoryOf(path);
    return sysfs.empty() || fileStamp(sysfs).has_value();
}

}  // namespace hid::platform

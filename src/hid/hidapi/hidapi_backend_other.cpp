// Windows and macOS: hidapi gives the descriptor (on Windows rebuilt from the preparsed
// data, so parsed here it sizes the reports as Windows' own capabilities do), and
// presence is a path that a fresh enumeration still lists.
#include "hid/hidapi/hidapi_platform.h"

static_assert(HID_API_VERSION >= HID_API_MAKE_VERSION(0, 14, 0),
              "off Linux the reports are sized from the descriptor hidapi 0.14 on gives");

namespace hid::platform {

std::optional<std::vector<std::uint8_t>> reportDescriptor(hid_device* device, const std::string&) {
    std::vector<std::uint8_t> bytes(HID_API_MAX_REPORT_DESCRIPTOR_SIZE);
    const int got = hid_get_report_descriptor(device, bytes.data(), bytes.size());
    if (got < 0) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

bool stillPresent(const std::string& path, const std::optional<FileStamp>&,
                  const InterfaceIdentity& identity) {
    hid_device_info* list = hid_enumerate(identity.vendorId, identity.productId);
    bool found = false;
    for (const hid_device_info* info = list; info != nullptr && !found; info = info->next) {
        found = info->path != nullptr && path == info->path;
    }
    hid_free_enumeration(list);
    return found;
}

}  // namespace hid::platform

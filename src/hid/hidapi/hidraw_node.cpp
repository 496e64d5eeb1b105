#include "hid/hidapi/hidraw_node.h"

#include <algorithm>

namespace hid {

std::string hidrawNodeName(std::string_view devicePath) {
    constexpr std::string_view kPrefix = "hidraw";
    const std::size_t slash = devicePath.find_last_of('/');
    const std::string_view name =
        slash == std::string_view::npos ? devicePath : devicePath.substr(slash + 1);
    if (name.size() <= kPrefix.size() || !name.starts_with(kPrefix)) {
        return {};
    }
    const std::string_view number = name.substr(kPrefix.size());
    const bool allDigits =
        std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    return allDigits ? std::string(name) : std::string();
}

std::string sysfsDirectoryOf(std::string_view devicePath) {
    const std::string node = hidrawNodeName(devicePath);
    if (node.empty()) {
        return {};
    }
    return std::string(kSysfsHidrawRoot) + "/" + node;
}

}  // namespace hid

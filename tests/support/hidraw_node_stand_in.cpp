// Linux's node facts, answered by the installed Responder in place of
// hidraw_node_linux.cpp, which reads the filesystem.
#include "hid/hidapi/hidraw_node.h"
#include "support/hidapi_stand_in.h"

namespace hid {

bool isHidrawDevice(const std::string& devicePath) {
    standin::Responder* responder = standin::installedResponder();
    return responder != nullptr && responder->isNode(devicePath);
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::size_t limit) {
    standin::Responder* responder = standin::installedResponder();
    auto bytes = responder == nullptr ? std::nullopt : responder->file(path);
    if (bytes && bytes->size() > limit) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    standin::Responder* responder = standin::installedResponder();
    return responder == nullptr ? std::nullopt : responder->stamp(path);
}

}  // namespace hid

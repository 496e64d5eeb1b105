#include "support/scripted_hidraw.h"

#include <algorithm>

namespace standin {
namespace {

constexpr std::uint64_t kDevFileSystem = 5;
constexpr std::uint64_t kSysFileSystem = 22;
constexpr std::uint64_t kHidrawMajor = 240;

}  // namespace

std::vector<std::uint8_t> vendorDescriptor(std::uint16_t featureLength,
                                           const std::vector<std::uint8_t>& extra) {
    const auto count = static_cast<std::uint16_t>(featureLength - 1);
    std::vector<std::uint8_t> bytes = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // collection
                                       0x75, 0x08, 0x95, 0x05, 0x81, 0x02};       // 5 input bytes
    // Byte by byte: GCC 12 at -O2 warns wrongly about range inserts here.
    for (const std::uint8_t byte : extra) {
        bytes.push_back(byte);
    }
    for (const std::uint8_t byte : {std::uint8_t{0x96}, static_cast<std::uint8_t>(count & 0xFF),
                                    static_cast<std::uint8_t>(count >> 8), std::uint8_t{0xB1},
                                    std::uint8_t{0x02}, std::uint8_t{0xC0}}) {
        bytes.push_back(byte);
    }
    return bytes;
}

ScriptedNode& ScriptedSystem::addAdaptor(const sim::AdaptorIdentity& identity) {
    ScriptedNode node;
    node.facts = {protocol::kVendorId, identity.productId, identity.versionNumber};
    node.descriptor = vendorDescriptor(identity.featureReportByteLength);
    node.adaptor.emplace(identity);
    return add(std::move(node), "/dev/hidraw" + std::to_string(byPath_.size()));
}

ScriptedNode& ScriptedSystem::addDevice(DeviceFacts facts) {
    ScriptedNode node;
    node.facts = facts;
    node.descriptor = vendorDescriptor(9);
    node.manufacturer = L"Other maker";
    node.product = L"Security key";
    return add(std::move(node), "/dev/hidraw" + std::to_string(byPath_.size()));
}

ScriptedNode& ScriptedSystem::takeOverNode(const ScriptedNode& node, DeviceFacts replacement) {
    const std::string path = node.path;
    nodes_.at(byPath_.at(path)).present = false;
    ScriptedNode taker;
    taker.facts = replacement;
    taker.descriptor = vendorDescriptor(9);
    return add(std::move(taker), path);
}

ScriptedNode& ScriptedSystem::add(ScriptedNode node, std::string path) {
    node.path = std::move(path);
    node.inode = nextInode_++;
    byPath_[node.path] = nodes_.size();
    return nodes_.emplace_back(std::move(node));
}

ScriptedNode* ScriptedSystem::at(const std::string& path) {
    const auto found = byPath_.find(path);
    if (found == byPath_.end() || !nodes_[found->second].present) {
        return nullptr;
    }
    return &nodes_[found->second];
}

ScriptedNode* ScriptedSystem::live(std::size_t key) {
    return key < nodes_.size() && nodes_[key].present ? &nodes_[key] : nullptr;
}

std::vector<Listed> ScriptedSystem::enumerate() {
    std::vector<Listed> listed;
    for (const auto& [path, key] : byPath_) {
        if (nodes_[key].present) {
            listed.push_back({path, nodes_[key].facts});
        }
    }
    return listed;
}

std::optional<Found> ScriptedSystem::open(const std::string& path) {
    if (beforeOpen) {
        beforeOpen(path);
    }
    const ScriptedNode* node = at(path);
    if (node == nullptr) {
        return std::nullopt;
    }
    const Found found{byPath_.at(path), node->facts};
    if (afterOpen) {
        afterOpen(path);
    }
    return found;
}

int ScriptedSystem::sendFeature(std::size_t key, std::span<const std::uint8_t> report) {
    ScriptedNode* node = live(key);
    if (node == nullptr) {
        return -1;
    }
    node->featureReportsReceived.emplace_back(report.begin(), report.end());
    if (node->adaptor && !node->adaptor->handleSetFeature(report)) {
        return -1;
    }
    return static_cast<int>(report.size());
}

int ScriptedSystem::getFeature(std::size_t key, std::span<std::uint8_t> report) {
    ScriptedNode* node = live(key);
    if (node == nullptr || !node->adaptor || !node->adaptor->handleGetFeature(report)) {
        return -1;
    }
    const int length = static_cast<int>(report.size());
    return node->featureReplyLength ? std::min(*node->featureReplyLength, length) : length;
}

int ScriptedSystem::read(std::size_t key, std::span<std::uint8_t> buffer) {
    ScriptedNode* node = live(key);
    if (node == nullptr) {
        return -1;
    }
    if (node->input.empty()) {
        return 0;
    }
    const std::vector<std::uint8_t> report = std::move(node->input.front());
    node->input.pop_front();
    const std::size_t count = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), count, buffer.begin());
    return static_cast<int>(count);
}

int ScriptedSystem::string(std::size_t key, hid::IdentityString which, std::span<wchar_t> text) {
    const ScriptedNode* node = live(key);
    if (node == nullptr) {
        return -1;
    }
    const std::wstring& value = which == hid::IdentityString::Manufacturer ? node->manufacturer
                                : which == hid::IdentityString::Product    ? node->product
                                                                           : node->serialNumber;
    const std::size_t count = std::min(value.size(), text.size());
    std::copy_n(value.begin(), count, text.begin());
    if (count < text.size()) {
        text[count] = L'\0';
    }
    return 0;
}

bool ScriptedSystem::isNode(const std::string& path) {
    return at(path) != nullptr;
}

std::optional<hid::FileStamp> ScriptedSystem::stamp(const std::string& path) {
    for (const auto& [devicePath, key] : byPath_) {
        const ScriptedNode& node = nodes_[key];
        if (!node.present) {
            continue;
        }
        if (path == devicePath) {
            return hid::FileStamp{kDevFileSystem, node.inode, kHidrawMajor << 20 | key};
        }
        if (path == hid::sysfsDirectoryOf(devicePath)) {
            return hid::FileStamp{kSysFileSystem, node.inode, 0};
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ScriptedSystem::file(const std::string& path) {
    for (const auto& [devicePath, key] : byPath_) {
        if (nodes_[key].present && path == descriptorFileOf(devicePath)) {
            return nodes_[key].descriptor;
        }
    }
    return std::nullopt;
}

}  // namespace standin

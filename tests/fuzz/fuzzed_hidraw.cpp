#include "fuzz/fuzzed_hidraw.h"

#include <algorithm>
#include <utility>

#include "fuzz/fuzz_check.h"

namespace {

constexpr std::size_t kMaxNodes = 3;
constexpr std::size_t kMaxFeatureCount = 300;
constexpr std::size_t kMaxRawDescriptor = 64;
constexpr std::size_t kMaxOverread = 16;
// Items the kernel skips: reserved types and reserved main tags, with and without data.
constexpr std::array<std::array<std::uint8_t, 3>, 4> kReservedItems{
    {{0x0C, 0, 0}, {0xD0, 0, 0}, {0xF1, 0x02, 0}, {0x1E, 0x34, 0x12}}};
constexpr std::size_t kReservedItemLength[] = {1, 1, 2, 3};

bool isAdaptor(const standin::DeviceFacts& facts) {
    return facts.vendorId == protocol::kVendorId &&
           protocol::productWithId(facts.productId) != nullptr;
}

}  // namespace

void FuzzedHidraw::allowTypedValue(std::uint8_t address, int value) {
    for (Connection& connection : connections_) {
        if (connection.open) {
            connection.storable.at(address).insert(value);
        }
    }
}

std::vector<std::uint8_t> FuzzedHidraw::descriptor(std::optional<std::size_t>& featureLength) {
    featureLength.reset();
    if (data_.ConsumeBool()) {
        return data_.ConsumeBytes<std::uint8_t>(
            data_.ConsumeIntegralInRange<std::size_t>(0, kMaxRawDescriptor));
    }
    const auto count = data_.ConsumeIntegralInRange<std::size_t>(0, kMaxFeatureCount);
    featureLength = count == 0 ? 0 : count + 1;
    std::vector<std::uint8_t> bytes = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
                                       0x75, 0x08, 0x95, 0x05, 0x81, 0x02};
    for (int item = 0; item < 2 && data_.ConsumeBool(); ++item) {
        const std::size_t which = data_.ConsumeIntegralInRange<std::size_t>(0, 3);
        for (std::size_t i = 0; i < kReservedItemLength[which]; ++i) {
            bytes.push_back(kReservedItems[which][i]);
        }
    }
    for (const std::size_t byte : {std::size_t{0x96}, count & 0xFF, count >> 8, std::size_t{0xB1},
                                   std::size_t{0x02}, std::size_t{0xC0}}) {
        bytes.push_back(static_cast<std::uint8_t>(byte));
    }
    return bytes;
}

FuzzedHidraw::Incarnation FuzzedHidraw::newIncarnation(const std::string& path) {
    Incarnation incarnation;
    incarnation.path = path;
    incarnation.facts.vendorId =
        data_.ConsumeBool() ? data_.ConsumeIntegral<std::uint16_t>() : protocol::kVendorId;
    incarnation.facts.productId =
        data_.ConsumeBool() ? data_.ConsumeIntegral<std::uint16_t>()
                            : protocol::kProducts[data_.ConsumeIntegralInRange<std::size_t>(
                                                      0, protocol::kProducts.size() - 1)]
                                  .productId;
    incarnation.facts.releaseNumber = data_.ConsumeIntegral<std::uint16_t>();
    incarnation.descriptor = descriptor(incarnation.featureLength);
    incarnation.inode = nextInode_++;
    return incarnation;
}

const FuzzedHidraw::Incarnation* FuzzedHidraw::at(const std::string& path) const {
    const auto found = nodes_.find(path);
    return found == nodes_.end() ? nullptr : &incarnations_[found->second];
}

FuzzedHidraw::Connection* FuzzedHidraw::connection(std::size_t key) {
    return key < connections_.size() ? &connections_[key] : nullptr;
}

bool FuzzedHidraw::present(const Connection& connection) const {
    const auto node = nodes_.find(incarnations_[connection.incarnation].path);
    return node != nodes_.end() && node->second == connection.incarnation;
}

void FuzzedHidraw::checkFeatureLength(const Connection& connection, std::size_t length) const {
    fuzzCheck(length <= protocol::kBufferSize, "feature reports of at most 257 bytes");
    const Incarnation& device = incarnations_[connection.incarnation];
    fuzzCheck(!device.featureLength || *device.featureLength == length,
              "feature reports of the length the descriptor gives");
}

// Nodes come and go as enumerations happen: unplugged, replugged as another product
// or with other settings, or a new one added.
std::vector<standin::Listed> FuzzedHidraw::enumerate() {
    if (nodes_.empty() || (nodes_.size() < kMaxNodes && data_.ConsumeBool())) {
        const std::string path = "/dev/hidraw" + std::to_string(nodes_.size());
        incarnations_.push_back(newIncarnation(path));
        nodes_[path] = incarnations_.size() - 1;
    }
    for (auto& [path, incarnation] : nodes_) {
        if (data_.ConsumeBool()) {
            incarnations_.push_back(newIncarnation(path));
            incarnation = incarnations_.size() - 1;
        }
    }
    std::vector<standin::Listed> listed;
    for (const auto& [path, incarnation] : nodes_) {
        if (!data_.ConsumeBool()) {
            listed.push_back({path, incarnations_[incarnation].facts});
        }
    }
    return listed;
}

std::optional<standin::Found> FuzzedHidraw::open(const std::string& path) {
    const auto node = nodes_.find(path);
    if (node == nodes_.end() || fails()) {
        return std::nullopt;
    }
    if (data_.ConsumeBool()) {  // another device took the node since it was listed
        incarnations_.push_back(newIncarnation(path));
        node->second = incarnations_.size() - 1;
    }
    connections_.push_back({node->second, true, false, {}});
    return standin::Found{connections_.size() - 1, incarnations_[node->second].facts};
}

int FuzzedHidraw::sendFeature(std::size_t key, std::span<const std::uint8_t> report) {
    Connection* to = connection(key);
    fuzzCheck(to != nullptr && to->open, "feature reports only on open devices");
    checkFeatureLength(*to, report.size());
    const Incarnation& device = incarnations_[to->incarnation];
    fuzzCheck(isAdaptor(device.facts), "feature reports only to an adaptor");
    ++featureReportsSent_;
    const bool command = report.size() >= protocol::kCommandLength;
    if (command && report[1] == protocol::kWriteSetting) {
        fuzzCheck(
            report[2] < protocol::kSettingCount && to->storable[report[2]].contains(report[3]),
            "no stored value that neither this connection's adaptor nor the user gave");
    }
    const bool sent = present(*to) && !fails();
    to->settingsRequested = sent && command && report[1] == protocol::kRequestSettings;
    return sent ? static_cast<int>(report.size()) : -1;
}

int FuzzedHidraw::getFeature(std::size_t key, std::span<std::uint8_t> report) {
    Connection* from = connection(key);
    fuzzCheck(from != nullptr && from->open, "feature replies only from open devices");
    checkFeatureLength(*from, report.size());
    const bool settingsReply = std::exchange(from->settingsRequested, false);
    if (!present(*from) || fails()) {
        return -1;
    }
    // From nothing at all to the whole report; the count never exceeds the room.
    const auto length = data_.ConsumeIntegralInRange<std::size_t>(0, report.size());
    const std::vector<std::uint8_t> bytes = data_.ConsumeBytes<std::uint8_t>(length);
    std::copy(bytes.begin(), bytes.end(), report.begin());
    for (std::size_t address = 0; settingsReply && address < protocol::kSettingCount; ++address) {
        if (protocol::kSettingsOffset + address < bytes.size()) {
            from->storable[address].insert(report[protocol::kSettingsOffset + address]);
        }
    }
    return static_cast<int>(bytes.size());
}

int FuzzedHidraw::read(std::size_t key, std::span<std::uint8_t> buffer) {
    const Connection* from = connection(key);
    fuzzCheck(from != nullptr && from->open, "reads only from open devices");
    if (!present(*from)) {
        return -1;
    }
    if (fails()) {
        return data_.ConsumeBool() ? -1 : 0;
    }
    const std::vector<std::uint8_t> bytes = data_.ConsumeBytes<std::uint8_t>(
        data_.ConsumeIntegralInRange<std::size_t>(0, buffer.size()));
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    // Sometimes the count claims more than there was room for.
    return static_cast<int>(bytes.size() + data_.ConsumeIntegralInRange<std::size_t>(
                                               0, data_.ConsumeBool() ? kMaxOverread : 0));
}

int FuzzedHidraw::string(std::size_t key, hid::IdentityString, std::span<wchar_t> text) {
    const Connection* from = connection(key);
    fuzzCheck(from != nullptr && from->open, "strings only from open devices");
    if (fails()) {
        return -1;
    }
    const auto units = data_.ConsumeIntegralInRange<std::size_t>(0, text.size());
    for (std::size_t i = 0; i < units; ++i) {
        // Any 32-bit value: surrogates, beyond U+10FFFF, negative.
        text[i] = static_cast<wchar_t>(data_.ConsumeIntegral<std::int32_t>());
    }
    if (units < text.size() && data_.ConsumeBool()) {
        text[units] = L'\0';
    }
    return 0;
}

void FuzzedHidraw::closed(std::size_t key) {
    if (Connection* connection = this->connection(key)) {
        connection->open = false;
    }
}

bool FuzzedHidraw::isNode(const std::string& path) {
    return at(path) != nullptr && !data_.ConsumeBool();
}

std::optional<hid::FileStamp> FuzzedHidraw::stamp(const std::string& path) {
    for (const auto& [devicePath, incarnation] : nodes_) {
        if (path == devicePath || path == hid::sysfsDirectoryOf(devicePath)) {
            return hid::FileStamp{path == devicePath ? 5U : 22U, incarnations_[incarnation].inode,
                                  0};
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> FuzzedHidraw::file(const std::string& path) {
    for (const auto& [devicePath, incarnation] : nodes_) {
        if (path == standin::descriptorFileOf(devicePath)) {
            return incarnations_[incarnation].descriptor;
        }
    }
    return std::nullopt;
}

#include "fuzz/fuzzed_hid_layer.h"

#include <algorithm>

#include "fuzz/fuzz_check.h"

namespace {

constexpr std::size_t kMaxInterfaces = 3;
constexpr std::uint16_t kMaxReportLength = 300;
constexpr std::size_t kMaxInputReport = 255;

}  // namespace

void FuzzedHidLayer::allowStoredValue(hid::Handle connection, std::uint8_t address, int value) {
    storable_[static_cast<std::uint32_t>(connection)].at(address).insert(value);
}

bool FuzzedHidLayer::fails() {
    return data_.remaining_bytes() == 0 || data_.ConsumeBool();
}

// Mostly the adaptor's identities, so the window gets past discovery.
std::uint16_t FuzzedHidLayer::vendorId() {
    return data_.ConsumeBool() ? protocol::kVendorId : data_.ConsumeIntegral<std::uint16_t>();
}

std::uint16_t FuzzedHidLayer::productId() {
    if (data_.ConsumeBool()) {
        return data_.ConsumeIntegral<std::uint16_t>();
    }
    return protocol::kProducts[data_.ConsumeIntegralInRange<std::size_t>(
                                   0, protocol::kProducts.size() - 1)]
        .productId;
}

void FuzzedHidLayer::checkHandle(hid::Handle handle) const {
    const auto number = static_cast<std::uint32_t>(handle);
    fuzzCheck(
        handle == hid::Handle::None || open_.contains(number),
        closed_.contains(number) ? "no use of a closed handle" : "no use of a handle never opened");
}

void FuzzedHidLayer::checkFeatureLength(hid::Handle handle, std::size_t length) const {
    if (handle == hid::Handle::None) {
        return;  // fails whatever its length
    }
    const auto found = featureLength_.find(static_cast<std::uint32_t>(handle));
    fuzzCheck(found != featureLength_.end() && found->second == length,
              "feature reports of the length the adaptor declared");
}

void FuzzedHidLayer::fill(std::span<std::uint8_t> bytes) {
    const std::vector<std::uint8_t> given = data_.ConsumeBytes<std::uint8_t>(bytes.size());
    std::copy(given.begin(), given.end(), bytes.begin());
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(given.size()), bytes.end(),
              std::uint8_t{0});
}

bool FuzzedHidLayer::enumerate(std::vector<hid::InterfaceIdentity>& interfaces) {
    if (fails()) {
        return false;
    }
    interfaces.clear();
    const std::size_t count = data_.ConsumeIntegralInRange<std::size_t>(0, kMaxInterfaces);
    for (std::size_t i = 0; i < count; ++i) {
        hid::InterfaceIdentity identity;
        identity.vendorId = vendorId();
        identity.productId = productId();
        identity.versionNumber = data_.ConsumeIntegral<std::uint16_t>();
        identity.path = "fuzz:" + std::to_string(i);
        interfaces.push_back(identity);
    }
    return true;
}

bool FuzzedHidLayer::open(const std::string&, hid::OpenMode, hid::Handle& handle) {
    handle = hid::Handle::None;
    if (fails()) {
        return false;
    }
    const std::uint32_t number = nextHandle_++;
    open_.insert(number);
    handle = static_cast<hid::Handle>(number);
    return true;
}

bool FuzzedHidLayer::close(hid::Handle& handle) {
    checkHandle(handle);
    const auto number = static_cast<std::uint32_t>(handle);
    if (handle == hid::Handle::None || fails()) {
        return false;
    }
    open_.erase(number);
    closed_.insert(number);
    handle = hid::Handle::None;
    return true;
}

bool FuzzedHidLayer::getAttributes(hid::Handle handle, hid::Attributes& attributes) {
    checkHandle(handle);
    if (handle == hid::Handle::None || fails()) {
        return false;
    }
    attributes.Size = hid::kAttributesSize;
    attributes.VendorID = vendorId();
    attributes.ProductID = productId();
    attributes.VersionNumber = data_.ConsumeIntegral<std::uint16_t>();
    return true;
}

bool FuzzedHidLayer::getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) {
    checkHandle(handle);
    if (handle == hid::Handle::None || fails()) {
        return false;
    }
    capabilities.InputReportByteLength =
        data_.ConsumeIntegralInRange<std::uint16_t>(0, kMaxReportLength);
    capabilities.OutputReportByteLength =
        data_.ConsumeIntegralInRange<std::uint16_t>(0, kMaxReportLength);
    capabilities.FeatureReportByteLength =
        data_.ConsumeIntegralInRange<std::uint16_t>(0, kMaxReportLength);
    featureLength_[static_cast<std::uint32_t>(handle)] = capabilities.FeatureReportByteLength;
    return true;
}

bool FuzzedHidLayer::setFeature(hid::Handle handle, std::span<const std::uint8_t> report) {
    checkHandle(handle);
    // Reading every byte lets the sanitizers see a report larger than its buffer.
    const std::vector<std::uint8_t> bytes(report.begin(), report.end());
    checkFeatureLength(handle, bytes.size());
    const auto number = static_cast<std::uint32_t>(handle);
    const bool command = !sendingFirmware_ && bytes.size() >= protocol::kCommandLength;
    if (command && bytes[1] == protocol::kWriteSetting) {
        fuzzCheck(bytes[2] < protocol::kSettingCount, "settings only at their addresses");
        fuzzCheck(storable_[number][bytes[2]].contains(bytes[3]),
                  "no stored value that neither this connection's adaptor nor the user gave");
    }
    const bool sent = handle != hid::Handle::None && !fails();
    if (sent && command && bytes[1] == protocol::kRequestSettings) {
        settingsRequested_.insert(number);
    } else {
        settingsRequested_.erase(number);
    }
    return sent;
}

bool FuzzedHidLayer::getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                                std::int32_t& bytesRead) {
    checkHandle(handle);
    checkFeatureLength(handle, report.size());
    bytesRead = 0;
    const auto number = static_cast<std::uint32_t>(handle);
    const bool settingsReply = settingsRequested_.erase(number) > 0;
    if (handle == hid::Handle::None || report.empty() || fails()) {
        return false;
    }
    // Any length from the report-ID byte alone to the whole report; zeros after it.
    const std::size_t length = data_.ConsumeIntegralInRange<std::size_t>(1, report.size());
    fill(report.first(length));
    std::fill(report.begin() + static_cast<std::ptrdiff_t>(length), report.end(), std::uint8_t{0});
    bytesRead = static_cast<std::int32_t>(length);
    for (std::size_t address = 0; settingsReply && address < protocol::kSettingCount; ++address) {
        if (protocol::kSettingsOffset + address < length) {
            storable_[number][address].insert(report[protocol::kSettingsOffset + address]);
        }
    }
    return true;
}

bool FuzzedHidLayer::readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                               std::int32_t& bytesRead) {
    checkHandle(handle);
    bytesRead = 0;
    if (handle == hid::Handle::None || fails()) {
        return false;
    }
    const std::size_t length =
        data_.ConsumeIntegralInRange<std::size_t>(0, std::min(buffer.size(), kMaxInputReport));
    fill(buffer.first(length));
    bytesRead = static_cast<std::int32_t>(length);
    return true;
}

bool FuzzedHidLayer::getString(hid::Handle handle, hid::IdentityString,
                               std::span<std::uint8_t> buffer) {
    checkHandle(handle);
    if (handle == hid::Handle::None || fails()) {
        return false;
    }
    // Whole UTF-16 units, and a terminator only when the input asks and there is room;
    // the rest of the buffer keeps what it held.
    const std::size_t units = data_.ConsumeIntegralInRange<std::size_t>(0, buffer.size() / 2);
    fill(buffer.first(units * 2));
    if (data_.ConsumeBool() && units * 2 + 2 <= buffer.size()) {
        buffer[units * 2] = 0;
        buffer[units * 2 + 1] = 0;
    }
    return true;
}

bool FuzzedHidLayer::probePresence(hid::Handle handle) {
    checkHandle(handle);
    return handle != hid::Handle::None && !fails();
}

bool FuzzedHidLayer::createReadEvent(hid::ReadEvent& event) {
    event = hid::ReadEvent::None;
    if (fails()) {
        return false;
    }
    event = static_cast<hid::ReadEvent>(nextEvent_++);
    return true;
}

#include "hid/hidapi/hidapi_backend.h"

#include <algorithm>
#include <limits>
#include <mutex>
#include <optional>
#include <set>

#include "hid/hidapi/hidapi_platform.h"
#include "hid/hidapi/hidraw_node.h"
#include "hid/hidapi/report_layout.h"
#include "hid/report_descriptor.h"
#include "hid/utf16_string.h"

namespace hid {
namespace {

// The kernel never hands out a larger report than this.
constexpr std::size_t kMaxReportBytes = 16384;
// A USB string descriptor holds at most 126 UTF-16 units.
constexpr std::size_t kMaxStringUnits = 255;

// hid_init and hid_exit are process-wide; the last backend alive shuts hidapi down.
std::mutex libraryMutex;
int libraryUsers = 0;

bool acquireLibrary() {
    std::lock_guard lock(libraryMutex);
    if (libraryUsers == 0 && hid_init() != 0) {
        return false;
    }
    ++libraryUsers;
    return true;
}

void releaseLibrary() {
    std::lock_guard lock(libraryMutex);
    if (--libraryUsers == 0) {
        hid_exit();
    }
}

struct DeviceCloser {
    void operator()(hid_device* device) const { hid_close(device); }
};

// Shorter paths first, so /dev/hidraw2 comes before /dev/hidraw10.
bool pathOrder(const InterfaceIdentity& a, const InterfaceIdentity& b) {
    if (a.path.size() != b.path.size()) {
        return a.path.size() < b.path.size();
    }
    return a.path < b.path;
}

std::optional<DescriptorSummary> summariseDescriptor(hid_device* device, const std::string& path) {
    const auto bytes = platform::reportDescriptor(device, path);
    if (!bytes) {
        return std::nullopt;
    }
    const DescriptorParse parse = parseReportDescriptor(*bytes);
    if (!parse.ok()) {
        return std::nullopt;
    }
    return parse.summary;
}

int readString(hid_device* device, IdentityString which, wchar_t* text, std::size_t units) {
    switch (which) {
        case IdentityString::Manufacturer:
            return hid_get_manufacturer_string(device, text, units);
        case IdentityString::Product:
            return hid_get_product_string(device, text, units);
        case IdentityString::SerialNumber:
            return hid_get_serial_number_string(device, text, units);
    }
    return -1;
}

}  // namespace

std::string hidapiVersion() {
    return hid_version_str();
}

struct HidapiBackend::OpenDevice {
    std::unique_ptr<hid_device, DeviceCloser> device;
    std::string path;
    // As the opened device itself gives it, never as the path was listed.
    InterfaceIdentity identity;
    // Unknown when the descriptor could not be read or parsed.
    std::optional<DescriptorSummary> descriptor;
    // The device node as it was when opened (Linux only).
    std::optional<FileStamp> nodeStamp;
    // Set once a read failed or the node vanished; the device does not come back.
    bool lost = false;
    std::vector<std::uint8_t> inputScratch;
};

HidapiBackend::HidapiBackend() : initialised_(acquireLibrary()) {}

HidapiBackend::~HidapiBackend() {
    devices_.clear();
    if (initialised_) {
        releaseLibrary();
    }
}

HidapiBackend::OpenDevice* HidapiBackend::find(Handle handle) {
    const auto it = devices_.find(static_cast<std::uint32_t>(handle));
    return it == devices_.end() ? nullptr : it->second.get();
}

bool HidapiBackend::refreshInterfaces(std::vector<InterfaceIdentity>& interfaces) {
    if (!initialised_) {
        return false;
    }
    // An empty list is no error: hidapi answers null both for "none" and for failure.
    hid_device_info* list = hid_enumerate(0, 0);
    std::vector<InterfaceIdentity> found;
    std::set<std::string> seen;
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        // hidapi lists an interface once per top-level usage; keep one entry per path.
        if (info->path == nullptr || !seen.insert(info->path).second) {
            continue;
        }
        found.push_back({info->vendor_id, info->product_id, info->release_number, info->path});
    }
    hid_free_enumeration(list);
    std::sort(found.begin(), found.end(), pathOrder);

    identities_.clear();
    for (const InterfaceIdentity& identity : found) {
        identities_.emplace(identity.path, identity);
    }
    interfaces = std::move(found);
    return true;
}

bool HidapiBackend::enumerate(std::vector<InterfaceIdentity>& interfaces) {
    return refreshInterfaces(interfaces);
}

std::optional<InterfaceIdentity> HidapiBackend::listedIdentity(const std::string& path) {
    if (!identities_.contains(path)) {
        std::vector<InterfaceIdentity> ignored;
        refreshInterfaces(ignored);
    }
    const auto it = identities_.find(path);
    return it == identities_.end() ? std::nullopt : std::optional(it->second);
}

bool HidapiBackend::open(const std::string& path, OpenMode mode, Handle& handle) {
    handle = Handle::None;
    // hidapi 0.13 touches freed memory when a path opens but is no hidraw node, so such
    // paths never reach it.
    if (!initialised_ || path.empty() || !isHidrawDevice(path)) {
        return false;
    }
    const std::optional<InterfaceIdentity> listed = listedIdentity(path);
    if (!listed) {
        return false;
    }
    // Between enumeration and open the device may have left and another one taken its
    // node. What was opened must be the listed device, through one and the same node.
    const std::optional<FileStamp> before = fileStamp(path);
    auto opened = std::make_unique<OpenDevice>();
    opened->device.reset(hid_open_path(path.c_str()));
    if (!opened->device) {
        return false;
    }
    opened->nodeStamp = fileStamp(path);
    const hid_device_info* info = hid_get_device_info(opened->device.get());
    if (opened->nodeStamp != before || info == nullptr || info->vendor_id != listed->vendorId ||
        info->product_id != listed->productId) {
        return false;  // closed as `opened` goes
    }
    if (mode == OpenMode::NonBlockingInput && hid_set_nonblocking(opened->device.get(), 1) != 0) {
        return false;
    }
    opened->path = path;
    opened->identity = {info->vendor_id, info->product_id, info->release_number, path};
    opened->descriptor = summariseDescriptor(opened->device.get(), path);

    // Numbers are not reused while open, and never 0 (Handle::None).
    while (nextHandle_ == 0 || devices_.contains(nextHandle_)) {
        ++nextHandle_;
    }
    const std::uint32_t number = nextHandle_++;
    devices_.emplace(number, std::move(opened));
    handle = Handle{number};
    return true;
}

bool HidapiBackend::close(Handle& handle) {
    if (devices_.erase(static_cast<std::uint32_t>(handle)) == 0) {
        return false;
    }
    handle = Handle::None;
    return true;
}

bool HidapiBackend::getAttributes(Handle handle, Attributes& attributes) {
    const OpenDevice* device = find(handle);
    if (device == nullptr) {
        return false;
    }
    attributes.Size = kAttributesSize;
    attributes.VendorID = device->identity.vendorId;
    attributes.ProductID = device->identity.productId;
    attributes.VersionNumber = device->identity.versionNumber;
    return true;
}

bool HidapiBackend::getCapabilities(Handle handle, Capabilities& capabilities) {
    const OpenDevice* device = find(handle);
    if (device == nullptr || !device->descriptor) {
        return false;
    }
    capabilities.InputReportByteLength = device->descriptor->inputReportByteLength;
    capabilities.OutputReportByteLength = device->descriptor->outputReportByteLength;
    capabilities.FeatureReportByteLength = device->descriptor->featureReportByteLength;
    return true;
}

bool HidapiBackend::setFeature(Handle handle, std::span<const std::uint8_t> report) {
    OpenDevice* device = find(handle);
    if (device == nullptr || report.empty()) {
        return false;
    }
    return hid_send_feature_report(device->device.get(), report.data(), report.size()) >= 0;
}

bool HidapiBackend::getFeature(Handle handle, std::span<std::uint8_t> report,
                               std::int32_t& bytesRead) {
    bytesRead = 0;
    OpenDevice* device = find(handle);
    if (device == nullptr || report.empty()) {
        return false;
    }
    // Fetch into a copy so that a failure leaves the caller's buffer as it was.
    std::vector<std::uint8_t> reply(report.size(), 0);
    reply[0] = report[0];
    const int got = hid_get_feature_report(device->device.get(), reply.data(), reply.size());
    // The count includes the report-ID byte, which hidapi keeps in byte 0.
    if (got <= 0) {
        return false;
    }
    const std::size_t length = std::min(static_cast<std::size_t>(got), reply.size());
    placeFeatureReply(report[0], std::span(reply).first(length), report);
    bytesRead = static_cast<std::int32_t>(length);
    return true;
}

bool HidapiBackend::readInput(Handle handle, std::span<std::uint8_t> buffer,
                              std::int32_t& bytesRead) {
    bytesRead = 0;
    OpenDevice* device = find(handle);
    if (device == nullptr || device->lost || buffer.empty()) {
        return false;
    }
    constexpr auto kMaxCount = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    buffer = buffer.first(std::min(buffer.size(), kMaxCount));

    std::vector<std::uint8_t>& scratch = device->inputScratch;
    scratch.resize(kMaxReportBytes);
    // A zero timeout never waits, whichever mode the handle was opened in.
    const int got = hid_read_timeout(device->device.get(), scratch.data(), scratch.size(), 0);
    if (got < 0) {
        device->lost = true;
        return false;
    }
    if (got == 0) {
        return false;
    }
    // Without a readable descriptor assume no report IDs, as simple vendor devices have.
    // A count beyond the room given is not believed.
    const bool usesReportIds = device->descriptor && device->descriptor->usesReportIds;
    const std::size_t received = std::min(static_cast<std::size_t>(got), scratch.size());
    const std::size_t placed =
        placeInputReport(std::span(scratch).first(received), usesReportIds, buffer);
    bytesRead = static_cast<std::int32_t>(placed);
    return true;
}

bool HidapiBackend::getString(Handle handle, IdentityString which, std::span<std::uint8_t> buffer) {
    OpenDevice* device = find(handle);
    if (device == nullptr || buffer.size() < sizeof(char16_t)) {
        return false;
    }
    wchar_t text[kMaxStringUnits + 1] = {};
    if (readString(device->device.get(), which, text, kMaxStringUnits + 1) != 0) {
        return false;
    }
    text[kMaxStringUnits] = L'\0';
    writeUtf16Le(utf16FromWide(text), buffer);
    return true;
}

// A failed read marks the handle lost for good (on Linux hidraw's poll reports a hangup
// once the device is gone, and hidapi returns -1); otherwise the platform decides.
bool HidapiBackend::probePresence(Handle handle) {
    OpenDevice* device = find(handle);
    if (device == nullptr || device->lost) {
        return false;
    }
    const bool present = platform::stillPresent(device->path, device->nodeStamp, device->identity);
    device->lost = !present;
    return present;
}

bool HidapiBackend::createReadEvent(ReadEvent& event) {
    // hidapi needs no OS object for non-blocking reads; the token only has to be unique.
    if (nextReadEvent_ == 0) {
        ++nextReadEvent_;
    }
    event = ReadEvent{nextReadEvent_++};
    return true;
}

}  // namespace hid

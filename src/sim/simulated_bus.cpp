#include "sim/simulated_bus.h"

#include "hid/utf16_string.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace sim {

namespace {

const std::u16string& identityString(const AdaptorIdentity& identity, hid::IdentityString which) {
    switch (which) {
        case hid::IdentityString::Manufacturer:
            return identity.manufacturer;
        case hid::IdentityString::Product:
            return identity.product;
        case hid::IdentityString::SerialNumber:
            break;
    }
    return identity.serialNumber;
}

}  // namespace

SimulatedBus::SimulatedBus() = default;

// --- devices ---------------------------------------------------------------------

DeviceId SimulatedBus::addAdaptor(AdaptorIdentity identity) {
    SimulatedDevice device;
    device.isAdaptor = true;
    device.identity.vendorId = protocol::kVendorId;
    device.identity.productId = identity.productId;
    device.identity.versionNumber = identity.versionNumber;
    device.adaptor = AdaptorModel(std::move(identity));
    return addDevice(std::move(device));
}

DeviceId SimulatedBus::addForeignDevice(std::uint16_t vendorId, std::uint16_t productId,
                                        std::uint16_t versionNumber) {
    SimulatedDevice device;
    device.identity.vendorId = vendorId;
    device.identity.productId = productId;
    device.identity.versionNumber = versionNumber;
    return addDevice(std::move(device));
}

DeviceId SimulatedBus::addDevice(SimulatedDevice device) {
    const DeviceId id = devices_.size();
    device.identity.path = "sim:" + std::to_string(id);
    devices_.push_back(std::move(device));
    received_.emplace_back();
    return id;
}

SimulatedDevice& SimulatedBus::device(DeviceId id) {
    return devices_.at(id);
}

void SimulatedBus::unplug(DeviceId id) {
    if (id < devices_.size()) {
        devices_[id].present = false;
    }
}

void SimulatedBus::replug(DeviceId id) {
    if (id >= devices_.size() || devices_[id].present) {
        return;
    }
    SimulatedDevice& device = devices_[id];
    device.present = true;
    ++device.generation;
    device.inputQueue.clear();
    skipScriptTo(device, now());  // nothing was reported while unplugged
}

// --- input reports -----------------------------------------------------------------

void SimulatedBus::queueInputReport(DeviceId id, std::vector<std::uint8_t> report) {
    pushInput(device(id), std::move(report));
}

void SimulatedBus::queueLever(DeviceId id, const LeverPosition& lever) {
    const auto report = adaptor(id).stateReport(lever);
    queueInputReport(id, std::vector<std::uint8_t>(report.begin(), report.end()));
}

void SimulatedBus::runScript(DeviceId id, LeverScript script, double rateHz) {
    SimulatedDevice& target = device(id);
    target.script = std::move(script);
    target.reportRateHz = std::isfinite(rateHz) && rateHz > 0 ? rateHz : 0;
    target.scriptStart = now();
    target.scriptReports = 0;
    target.nextReportAt = reportTime(target, 1);
}

void SimulatedBus::pushInput(SimulatedDevice& device, std::vector<std::uint8_t> report) {
    if (device.inputQueue.size() >= kInputQueueCapacity) {
        ++device.droppedReports;
        return;
    }
    device.inputQueue.push_back(std::move(report));
}

std::chrono::microseconds SimulatedBus::reportTime(const SimulatedDevice& device,
                                                   std::uint64_t report) {
    if (device.reportRateHz <= 0) {
        return std::chrono::microseconds::max();
    }
    constexpr double kLatest = 9e18;  // keeps the sum inside the microsecond range
    const double offset =
        std::min(std::ceil(static_cast<double>(report) * 1e6 / device.reportRateHz), kLatest);
    return device.scriptStart + std::chrono::microseconds(static_cast<std::int64_t>(offset));
}

std::uint64_t SimulatedBus::reportsDueBy(const SimulatedDevice& device,
                                         std::chrono::microseconds time) {
    if (!device.script || device.reportRateHz <= 0 || time <= device.scriptStart) {
        return 0;
    }
    // Report k (1, 2, ...) falls due k / rate after the start; the epsilon absorbs
    // rounding so that exact multiples of the period count.
    const double elapsed = static_cast<double>((time - device.scriptStart).count());
    const double due = std::floor(elapsed * device.reportRateHz / 1e6 + 1e-9);
    constexpr double kLimit = 1e18;  // far beyond any test, and still exact enough
    return static_cast<std::uint64_t>(std::min(due, kLimit));
}

void SimulatedBus::skipScriptTo(SimulatedDevice& device, std::chrono::microseconds time) {
    device.scriptReports = std::max(device.scriptReports, reportsDueBy(device, time));
    device.nextReportAt = reportTime(device, device.scriptReports + 1);
}

void SimulatedBus::generateScriptedReports(SimulatedDevice& device) {
    const std::uint64_t due = reportsDueBy(device, now());
    while (device.scriptReports < due && device.inputQueue.size() < kInputQueueCapacity) {
        ++device.scriptReports;
        const auto at = reportTime(device, device.scriptReports) - device.scriptStart;
        const auto report = device.adaptor.stateReport(device.script->positionAt(at));
        device.inputQueue.emplace_back(report.begin(), report.end());
    }
    // Once the queue is full the rest are dropped; count them without building them.
    if (device.scriptReports < due) {
        device.droppedReports += due - device.scriptReports;
        device.scriptReports = due;
    }
    device.nextReportAt = reportTime(device, device.scriptReports + 1);
}

// --- clock -------------------------------------------------------------------------

void SimulatedBus::advance(std::chrono::microseconds by) {
    manualNow_ += by;
}

void SimulatedBus::setClock(std::function<std::chrono::microseconds()> clock) {
    clock_ = std::move(clock);
}

std::chrono::microseconds SimulatedBus::now() const {
    return clock_ ? clock_() : manualNow_;
}

// --- observation ---------------------------------------------------------------------

const std::vector<std::vector<std::uint8_t>>& SimulatedBus::featureReportsReceived(
    DeviceId id) const {
    static const std::vector<std::vector<std::uint8_t>> kNone;
    return id < received_.size() ? received_[id] : kNone;
}

SimulatedDevice* SimulatedBus::liveDevice(hid::Handle handle) {
    const auto found = open_.find(static_cast<std::uint32_t>(handle));
    if (found == open_.end()) {
        return nullptr;
    }
    SimulatedDevice& device = devices_[found->second.device];
    if (!device.present || device.generation != found->second.generation) {
        return nullptr;
    }
    return &device;
}

bool SimulatedBus::isListedAt(const std::string& path, const SimulatedDevice& device) const {
    const auto listed = listed_.find(path);
    const hid::InterfaceIdentity identity = interfaceOf(device);
    return listed == listed_.end() ||
           listed->second == std::pair(identity.vendorId, identity.productId);
}

hid::InterfaceIdentity SimulatedBus::interfaceOf(const SimulatedDevice& device) {
    hid::InterfaceIdentity identity = device.identity;
    if (device.isAdaptor) {
        identity.productId = device.adaptor.identity().productId;
        identity.versionNumber = device.adaptor.identity().versionNumber;
    }
    return identity;
}

void SimulatedBus::rebootAfterFirmwareLoad(SimulatedDevice& device) {
    device.adaptor.identity() = kelvoIdentity();
    device.identity.productId = device.adaptor.identity().productId;
    device.identity.versionNumber = device.adaptor.identity().versionNumber;
    ++device.generation;  // handles to the loader go dead
    device.inputQueue.clear();
}

// --- hid::HidLayer -------------------------------------------------------------------

bool SimulatedBus::enumerate(std::vector<hid::InterfaceIdentity>& interfaces) {
    interfaces.clear();
    listed_.clear();
    for (const SimulatedDevice& device : devices_) {
        if (device.present) {
            interfaces.push_back(interfaceOf(device));
            listed_[device.identity.path] = {interfaces.back().vendorId,
                                             interfaces.back().productId};
        }
    }
    return true;
}

bool SimulatedBus::open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) {
    handle = hid::Handle::None;
    const auto found = std::find_if(devices_.begin(), devices_.end(), [&](const auto& device) {
        return device.identity.path == path;
    });
    if (found == devices_.end() || !found->present || found->refuseOpen ||
        !isListedAt(path, *found)) {
        return false;
    }
    const std::uint32_t number = nextHandle_++;
    const auto device = static_cast<DeviceId>(found - devices_.begin());
    open_[number] = OpenHandle{device, found->generation, mode};
    handle = static_cast<hid::Handle>(number);
    return true;
}

bool SimulatedBus::close(hid::Handle& handle) {
    if (open_.erase(static_cast<std::uint32_t>(handle)) == 0) {
        return false;
    }
    handle = hid::Handle::None;
    return true;
}

bool SimulatedBus::getAttributes(hid::Handle handle, hid::Attributes& attributes) {
    const SimulatedDevice* device = liveDevice(handle);
    if (device == nullptr) {
        return false;
    }
    const hid::InterfaceIdentity identity = interfaceOf(*device);
    attributes = {hid::kAttributesSize, identity.vendorId, identity.productId,
                  identity.versionNumber};
    return true;
}

bool SimulatedBus::getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) {
    const SimulatedDevice* device = liveDevice(handle);
    if (device == nullptr) {
        return false;
    }
    capabilities = {};
    if (device->isAdaptor) {
        capabilities.InputReportByteLength = protocol::kShifterStateLength;
        capabilities.FeatureReportByteLength = device->adaptor.identity().featureReportByteLength;
    }
    return true;
}

bool SimulatedBus::setFeature(hid::Handle handle, std::span<const std::uint8_t> report) {
    SimulatedDevice* device = liveDevice(handle);
    if (device == nullptr || !device->isAdaptor || !device->adaptor.handleSetFeature(report)) {
        return false;
    }
    received_[open_.at(static_cast<std::uint32_t>(handle)).device].emplace_back(report.begin(),
                                                                                report.end());
    if (device->adaptor.isLoader() && device->adaptor.firmwareComplete()) {
        rebootAfterFirmwareLoad(*device);
    }
    return true;
}

bool SimulatedBus::getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                              std::int32_t& bytesRead) {
    bytesRead = 0;
    SimulatedDevice* device = liveDevice(handle);
    if (device == nullptr || !device->isAdaptor || !device->adaptor.handleGetFeature(report)) {
        return false;
    }
    // The simulated adaptor always answers at the full length asked for.
    bytesRead = static_cast<std::int32_t>(report.size());
    return true;
}

bool SimulatedBus::readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                             std::int32_t& bytesRead) {
    bytesRead = 0;
    SimulatedDevice* device = liveDevice(handle);
    if (device == nullptr) {
        return false;
    }
    generateScriptedReports(*device);
    if (device->inputQueue.empty()) {
        return false;
    }
    const std::vector<std::uint8_t> report = std::move(device->inputQueue.front());
    device->inputQueue.pop_front();
    const std::size_t count = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), count, buffer.begin());
    bytesRead = static_cast<std::int32_t>(count);
    return true;
}

bool SimulatedBus::getString(hid::Handle handle, hid::IdentityString which,
                             std::span<std::uint8_t> buffer) {
    const SimulatedDevice* device = liveDevice(handle);
    if (device == nullptr) {
        return false;
    }
    // Foreign devices carry no identity strings here: they read as empty.
    hid::writeUtf16Le(device->isAdaptor ? identityString(device->adaptor.identity(), which) : u"",
                      buffer);
    return true;
}

bool SimulatedBus::probePresence(hid::Handle handle) {
    return liveDevice(handle) != nullptr;
}

bool SimulatedBus::createReadEvent(hid::ReadEvent& event) {
    event = static_cast<hid::ReadEvent>(nextEvent_++);
    ++readEventsCreated_;
    return true;
}

}  // namespace sim

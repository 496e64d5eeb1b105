#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hid/hid_layer.h"
#include "sim/adaptor_model.h"
#include "sim/lever_script.h"

// A HID layer made of simulated devices, for tests and the demo mode. Devices are
// enumerated in the order they were added; they can be unplugged and replugged, and
// their opens refused as a system refuses them. Tests that log calls or inject faults
// wrap the bus in the fault-injecting layer of tests/support.
namespace sim {

using DeviceId = std::size_t;

// Input reports a device keeps before it drops new ones, as Linux's hidraw does.
inline constexpr std::size_t kInputQueueCapacity = 64;

struct SimulatedDevice {
    bool isAdaptor = false;
    AdaptorModel adaptor;             // meaningful when isAdaptor
    hid::InterfaceIdentity identity;  // vendor, product, version, path
    bool present = true;
    bool refuseOpen = false;       // as a device the system holds
    std::uint64_t generation = 0;  // bumped at every replug; older handles stay dead
    std::deque<std::vector<std::uint8_t>> inputQueue;
    std::size_t droppedReports = 0;
    // Scripted reports: `reportRateHz` reports a second along `script` as the clock runs.
    std::optional<LeverScript> script;
    double reportRateHz = 0;
    std::chrono::microseconds nextReportAt{0};
    std::chrono::microseconds scriptStart{0};
    std::uint64_t scriptReports = 0;  // scripted reports generated or dropped so far
};

class SimulatedBus : public hid::HidLayer {
  public:
    SimulatedBus();

    // --- devices -----------------------------------------------------------------
    DeviceId addAdaptor(AdaptorIdentity identity = kelvoIdentity());
    DeviceId addForeignDevice(std::uint16_t vendorId, std::uint16_t productId,
                              std::uint16_t versionNumber = 0x0100);
    SimulatedDevice& device(DeviceId id);
    AdaptorModel& adaptor(DeviceId id) { return device(id).adaptor; }
    std::size_t deviceCount() const { return devices_.size(); }

    // Unplug: the device leaves enumeration and every handle to it fails from now on.
    void unplug(DeviceId id);
    // Replug: present again under the same path; only handles opened afterwards work.
    void replug(DeviceId id);

    // --- input reports -------------------------------------------------------------
    // Queues one report exactly as given (any length 0..255; empty = an empty read).
    void queueInputReport(DeviceId id, std::vector<std::uint8_t> report);
    // Queues the report the adaptor's firmware gives for `lever`.
    void queueLever(DeviceId id, const LeverPosition& lever);
    // Reports generated from `script` at `rateHz` as the clock advances.
    void runScript(DeviceId id, LeverScript script, double rateHz);

    // The bus's time; scripted reports fall due as it advances. Starts at 0 and stays
    // there unless advanced or given a clock.
    void advance(std::chrono::microseconds by);
    void setClock(std::function<std::chrono::microseconds()> clock);
    std::chrono::microseconds now() const;

    // --- observation -------------------------------------------------------------------
    std::size_t openHandleCount() const { return open_.size(); }
    std::size_t readEventsCreated() const { return readEventsCreated_; }
    // Feature reports the adaptor `id` accepted, in order.
    const std::vector<std::vector<std::uint8_t>>& featureReportsReceived(DeviceId id) const;

    // --- hid::HidLayer -------------------------------------------------------------------
    bool enumerate(std::vector<hid::InterfaceIdentity>& interfaces) override;
    bool open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) override;
    bool close(hid::Handle& handle) override;
    bool getAttributes(hid::Handle handle, hid::Attributes& attributes) override;
    bool getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) override;
    bool setFeature(hid::Handle handle, std::span<const std::uint8_t> report) override;
    bool getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                    std::int32_t& bytesRead) override;
    bool readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                   std::int32_t& bytesRead) override;
    bool getString(hid::Handle handle, hid::IdentityString which,
                   std::span<std::uint8_t> buffer) override;
    bool probePresence(hid::Handle handle) override;
    bool createReadEvent(hid::ReadEvent& event) override;

  private:
    struct OpenHandle {
        DeviceId device = 0;
        std::uint64_t generation = 0;
        hid::OpenMode mode{};
    };

    DeviceId addDevice(SimulatedDevice device);
    static void pushInput(SimulatedDevice& device, std::vector<std::uint8_t> report);
    // When the scripted report number `report` (1, 2, ...) falls due.
    static std::chrono::microseconds reportTime(const SimulatedDevice& device,
                                                std::uint64_t report);
    static std::uint64_t reportsDueBy(const SimulatedDevice& device,
                                      std::chrono::microseconds time);
    static void skipScriptTo(SimulatedDevice& device, std::chrono::microseconds time);
    void generateScriptedReports(SimulatedDevice& device);

    // The device behind an open handle of the current generation, or null.
    SimulatedDevice* liveDevice(hid::Handle handle);
    static hid::InterfaceIdentity interfaceOf(const SimulatedDevice& device);
    // False when the latest enumeration listed another device at `path`.
    bool isListedAt(const std::string& path, const SimulatedDevice& device) const;
    static void rebootAfterFirmwareLoad(SimulatedDevice& device);

    std::vector<SimulatedDevice> devices_;
    std::vector<std::vector<std::vector<std::uint8_t>>> received_;
    std::map<std::uint32_t, OpenHandle> open_;
    // Vendor and product the latest enumeration listed, by path.
    std::map<std::string, std::pair<std::uint16_t, std::uint16_t>> listed_;
    std::uint32_t nextHandle_ = 1;
    std::uint32_t nextEvent_ = 1;
    std::size_t readEventsCreated_ = 0;
    std::chrono::microseconds manualNow_{0};
    std::function<std::chrono::microseconds()> clock_;
};

}  // namespace sim

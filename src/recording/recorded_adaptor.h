#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "protocol/link_rules.h"
#include "recording/recording.h"
#include "sim/simulated_bus.h"

// A recording played as an adaptor: a simulated adaptor with the recorded identity,
// settings and memory that replays the recorded input reports (looped) and unplug.
namespace recording {

struct TimedReport {
    std::int64_t timeUs = 0;
    std::vector<std::uint8_t> bytes;
};

// What a recording tells of the adaptor it talked to.
struct RecordedDevice {
    sim::AdaptorIdentity identity;
    std::string path;
    // The first enumeration that listed it, in its order, the adaptor included.
    std::vector<hid::InterfaceIdentity> listing;
    std::optional<protocol::Thresholds> settings;  // as last read, with the writes after
    std::optional<std::array<std::uint8_t, protocol::kMemorySize>> memory;  // the last dump
    std::vector<TimedReport> input;
    std::optional<std::int64_t> unplugAt;  // the first failed presence probe
    std::optional<std::int64_t> replugAt;  // the first listing after it
};

// Nothing, with `error` set, when the recording never listed an adaptor.
std::optional<RecordedDevice> recordedDevice(const Recording& recording, std::string& error);

class RecordedAdaptor : public hid::HidLayer {
  public:
    // The time since the adaptor was plugged in; a steady clock when not given.
    using Clock = std::function<std::chrono::microseconds()>;

    explicit RecordedAdaptor(RecordedDevice device, Clock clock = {});

    sim::SimulatedBus& bus() { return bus_; }
    sim::AdaptorModel& adaptor() { return bus_.adaptor(adaptorId_); }

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
    // Plays the unplug, the replug and the input reports due by now.
    void catchUp();

    RecordedDevice device_;
    Clock clock_;
    sim::SimulatedBus bus_;
    sim::DeviceId adaptorId_ = 0;
    std::int64_t loopPeriod_ = 0;
    std::int64_t cycleStart_ = 0;
    std::size_t nextReport_ = 0;
    bool unplugged_ = false;
    bool replugged_ = false;
};

}  // namespace recording

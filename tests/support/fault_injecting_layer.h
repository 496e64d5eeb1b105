#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "hid/hid_layer.h"
#include "recording/recording.h"

// A HID layer around any other (the simulated bus, the real backend on the hidapi
// stand-in): it numbers and logs every call, and injects faults at chosen calls. A call
// may fail, succeed with a reply cut short, or succeed with garbage; any action (an
// unplug, say) may run just before a call.
namespace support {

// The calls as recordings name them.
using CallKind = recording::CallKind;

struct CallRecord {
    std::uint64_t index = 0;  // 0, 1, 2, ... over the layer's life
    CallKind kind{};
    hid::Handle handle = hid::Handle::None;  // the handle used, or the one opened
    std::string path;                        // Open only
    hid::OpenMode openMode{};                // Open only
    hid::IdentityString string{};            // GetString only
    // Sent (SetFeature) or received (GetFeature, ReadInput, GetString), as far as the
    // reply's byte count goes.
    std::vector<std::uint8_t> bytes;
    bool result = false;
};

class FaultInjectingLayer : public hid::HidLayer {
  public:
    explicit FaultInjectingLayer(hid::HidLayer& inner) : inner_(inner) {}

    // --- faults --------------------------------------------------------------------
    std::uint64_t callCount() const { return nextCall_; }
    // The call with this index fails (returns false, and the inner layer never sees it).
    void failCall(std::uint64_t index);
    // Every call of this kind fails until cleared.
    void failCalls(CallKind kind, bool fail = true);
    // `action` runs just before the call with this index is carried out.
    void beforeCall(std::uint64_t index, std::function<void()> action);
    // The call with this index succeeds, but its reply stops after `length` bytes (a
    // feature reply, an input report, a string), the rest zero.
    void shortenReply(std::uint64_t index, std::size_t length);
    // The call with this index succeeds, but every byte of its reply (attributes and
    // capabilities included) is garbage drawn from `seed`.
    void garbleReply(std::uint64_t index, std::uint32_t seed);

    // --- observation ---------------------------------------------------------------
    const std::vector<CallRecord>& log() const { return log_; }
    void clearLog() { log_.clear(); }
    // The feature reports that went out and were accepted since the log was cleared.
    std::vector<std::vector<std::uint8_t>> featureReportsSent() const;
    std::size_t callsOf(CallKind kind) const;

    // --- hid::HidLayer -------------------------------------------------------------
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
    // Numbers and logs a call, after running any action due before it; true when the
    // call is to fail.
    bool begin(CallKind kind, hid::Handle handle);
    CallRecord& record() { return log_.back(); }
    bool finish(bool result);
    // Ends a call that succeeded with `bytesRead` bytes of reply in `bytes`, altered as
    // the faults due at it say.
    bool finishReply(std::span<std::uint8_t> bytes, std::int32_t& bytesRead);
    // Applies a shortened or garbled reply due at the current call to `bytes`, of
    // which `count` came; returns the count that now stands.
    std::size_t alterReply(std::span<std::uint8_t> bytes, std::size_t count);
    template <typename T>
    void garbleValue(T& value);

    hid::HidLayer& inner_;
    std::uint64_t nextCall_ = 0;
    std::uint64_t current_ = 0;
    std::set<std::uint64_t> failingCalls_;
    std::set<CallKind> failingKinds_;
    std::multimap<std::uint64_t, std::function<void()>> actions_;
    std::map<std::uint64_t, std::size_t> shortened_;
    std::map<std::uint64_t, std::uint32_t> garbled_;
    std::vector<CallRecord> log_;
};

}  // namespace support

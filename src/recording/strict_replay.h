#pragma once

#include <cstddef>
#include <string>

#include "hid/hid_layer.h"
#include "recording/recording.h"

// A HID layer that expects the program's calls in the order a recording holds them and
// answers each from it. The first call that differs (its kind, handle, path, buffer or
// the bytes sent) is named together with the call the recording expected; from then on
// every call fails.
namespace recording {

class StrictReplay : public hid::HidLayer {
  public:
    explicit StrictReplay(Recording recording);

    // Empty while every call matched; else "call 7: the recording has ..., the program
    // made ...".
    const std::string& mismatch() const { return mismatch_; }
    // Recorded calls the program has not made yet.
    std::size_t callsLeft() const { return recording_.calls.size() - next_; }

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
    // The recorded call when `made` matches it, else null (and the mismatch noted).
    const Call* expect(const Call& made);
    // The handle an open or a new read event gets is the recording's answer, not compared.
    Call withRecordedAnswer(Call call) const;

    Recording recording_;
    std::size_t next_ = 0;
    std::string mismatch_;
};

}  // namespace recording

#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <array>
#include <cstdint>
#include <map>
#include <set>

#include "hid/hid_layer.h"
#include "protocol/adaptor_protocol.h"

// A HID layer whose every answer the fuzzer's bytes choose: which calls fail, what is
// enumerated, attributes, capabilities (feature reports 0..300 bytes), feature replies
// of any length up to the one asked for, input reports of 0..255 bytes, identity strings
// with or without terminators. It keeps its side of the layer's contract and checks that
// the window keeps its own.
class FuzzedHidLayer : public hid::HidLayer {
  public:
    explicit FuzzedHidLayer(FuzzedDataProvider& data) : data_(data) {}

    // A threshold the user typed while `connection` (the feature handle) was open, which
    // the window may store at `address` on that connection.
    void allowStoredValue(hid::Handle connection, std::uint8_t address, int value);
    // While the firmware image goes out every feature report is a chunk, not a command.
    void setSendingFirmware(bool sending) { sendingFirmware_ = sending; }

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
    // Whether this call fails; once the bytes run out, every call does.
    bool fails();
    std::uint16_t vendorId();
    std::uint16_t productId();
    // The window may use only handles that are open, or None, which fails harmlessly.
    void checkHandle(hid::Handle handle) const;
    // Feature reports go out and come in at the length the capabilities gave.
    void checkFeatureLength(hid::Handle handle, std::size_t length) const;
    // Fills `bytes` from the input; what the input no longer covers reads as zero.
    void fill(std::span<std::uint8_t> bytes);

    FuzzedDataProvider& data_;
    std::set<std::uint32_t> open_;
    std::set<std::uint32_t> closed_;
    std::map<std::uint32_t, std::uint16_t> featureLength_;  // by handle
    std::uint32_t nextHandle_ = 1;
    std::uint32_t nextEvent_ = 1;
    bool sendingFirmware_ = false;
    // Values the window may store at each setting address, by connection: what a reply to
    // a settings request on it carried there, and what the user typed meanwhile.
    using Storable = std::array<std::set<int>, protocol::kSettingCount>;
    std::map<std::uint32_t, Storable> storable_;
    // Handles whose last report sent was a settings request.
    std::set<std::uint32_t> settingsRequested_;
};

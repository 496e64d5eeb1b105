#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "hid/hid_layer.h"

namespace hid {

// The version of the hidapi library the program runs with, such as "0.13.1".
std::string hidapiVersion();

// The HID layer on top of hidapi. Handles are small numbers of our own, each mapped to
// one open hid_device. A path opens only when the device found there is the one
// enumeration listed; attributes come from the opened device, report sizes from its
// report descriptor. Not thread-safe: use it from one thread.
class HidapiBackend final : public HidLayer {
  public:
    HidapiBackend();
    ~HidapiBackend() override;

    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    bool enumerate(std::vector<InterfaceIdentity>& interfaces) override;

    bool open(const std::string& path, OpenMode mode, Handle& handle) override;
    bool close(Handle& handle) override;

    bool getAttributes(Handle handle, Attributes& attributes) override;
    bool getCapabilities(Handle handle, Capabilities& capabilities) override;

    bool setFeature(Handle handle, std::span<const std::uint8_t> report) override;
    bool getFeature(Handle handle, std::span<std::uint8_t> report,
                    std::int32_t& bytesRead) override;

    bool readInput(Handle handle, std::span<std::uint8_t> buffer, std::int32_t& bytesRead) override;

    bool getString(Handle handle, IdentityString which, std::span<std::uint8_t> buffer) override;

    bool probePresence(Handle handle) override;

    bool createReadEvent(ReadEvent& event) override;

  private:
    struct OpenDevice;

    OpenDevice* find(Handle handle);
    // Lists the interfaces hidapi sees and remembers each one's identity by path.
    bool refreshInterfaces(std::vector<InterfaceIdentity>& interfaces);
    // What the latest enumeration listed at `path`, enumerating again if it listed nothing.
    std::optional<InterfaceIdentity> listedIdentity(const std::string& path);

    bool initialised_ = false;
    std::uint32_t nextHandle_ = 1;
    std::uint32_t nextReadEvent_ = 1;
    std::map<std::uint32_t, std::unique_ptr<OpenDevice>> devices_;
    std::map<std::string, InterfaceIdentity> identities_;
};

}  // namespace hid

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The HID layer: the few operations the window needs from the system's HID stack.
// Every call answers success (true) or failure (false). Reports are laid out with
// the report ID in byte 0 and the payload from byte 1, whatever the backend does.
namespace hid {

// An open device. A closed handle is None; using or closing None fails harmlessly.
enum class Handle : std::uint32_t { None = 0 };

// The token tied to non-blocking input reads; created once per window.
enum class ReadEvent : std::uint32_t { None = 0 };

enum class OpenMode {
    FeatureReports,    // feature reports, attributes and capabilities
    NonBlockingInput,  // input reads that never wait, identity strings, presence
};

enum class IdentityString { Manufacturer, Product, SerialNumber };

// One present HID interface as enumeration lists it.
struct InterfaceIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
    std::string path;
};

// The size of the attributes record as callers expect it in Attributes::Size.
inline constexpr std::uint32_t kAttributesSize = 12;

struct Attributes {
    std::uint32_t Size = 0;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0;
};

// Byte lengths include the report-ID byte, also for devices without report IDs.
struct Capabilities {
    std::uint16_t InputReportByteLength = 0;
    std::uint16_t OutputReportByteLength = 0;
    std::uint16_t FeatureReportByteLength = 0;
};

class HidLayer {
  public:
    virtual ~HidLayer() = default;

    // The present HID interfaces in a stable order.
    virtual bool enumerate(std::vector<InterfaceIdentity>& interfaces) = 0;

    // Fails when the device now at `path` is not the one the latest enumeration listed
    // there (another device took the node meanwhile). On failure `handle` is set to None.
    virtual bool open(const std::string& path, OpenMode mode, Handle& handle) = 0;
    // Marks `handle` None; closing None fails and has no effect.
    virtual bool close(Handle& handle) = 0;

    virtual bool getAttributes(Handle handle, Attributes& attributes) = 0;
    virtual bool getCapabilities(Handle handle, Capabilities& capabilities) = 0;

    // `report` is the whole report: byte 0 the report ID, then the payload.
    virtual bool setFeature(Handle handle, std::span<const std::uint8_t> report) = 0;
    // `report[0]` holds the report ID to fetch; the reply fills `report` from byte 0
    // and `bytesRead` tells how many bytes of it (report-ID byte included) the device
    // really gave; the rest of `report` is zero. On failure `report` is left as it was
    // and `bytesRead` is 0.
    virtual bool getFeature(Handle handle, std::span<std::uint8_t> report,
                            std::int32_t& bytesRead) = 0;

    // Takes one input report only if one is already waiting: true with the report in
    // `buffer` (report ID in byte 0) and its length in `bytesRead`; false when none is
    // waiting or the device failed. Never waits.
    virtual bool readInput(Handle handle, std::span<std::uint8_t> buffer,
                           std::int32_t& bytesRead) = 0;

    // The string as UTF-16 code units, least significant byte first, in at most
    // `buffer.size()` bytes; a zero terminator only where there is room.
    virtual bool getString(Handle handle, IdentityString which, std::span<std::uint8_t> buffer) = 0;

    // False once the device behind `handle` is gone.
    virtual bool probePresence(Handle handle) = 0;

    virtual bool createReadEvent(ReadEvent& event) = 0;
};

}  // namespace hid

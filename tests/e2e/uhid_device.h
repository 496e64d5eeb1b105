#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One virtual HID device on the kernel's HID stack through /dev/uhid: created from a
// report descriptor, fed input reports, answering the kernel's report requests. The
// kernel waits for each answer (and gives up after 5 s), so whoever owns the device
// must keep serving it.
namespace e2e {

struct UhidDeviceSetup {
    std::string name;    // the HID name; hidapi hands it out as the product string
    std::string serial;  // the HID "uniq"; hidapi hands it out as the serial number
    std::uint16_t bus = 0;
    std::uint32_t vendor = 0;
    std::uint32_t product = 0;
    std::uint32_t version = 0;
    std::vector<std::uint8_t> descriptor;
};

enum class UhidReportType : std::uint8_t { Feature, Output, Input };

// One event the kernel sent the device.
struct UhidRequest {
    enum class Kind { Start, Stop, Open, Close, Output, GetReport, SetReport, Other };
    Kind kind = Kind::Other;
    std::uint32_t id = 0;  // GetReport, SetReport: quoted back in the reply
    std::uint8_t reportNumber = 0;
    UhidReportType reportType = UhidReportType::Feature;
    std::vector<std::uint8_t> data;  // SetReport, Output: as the kernel passed them
};

class UhidDevice {
  public:
    UhidDevice() = default;
    ~UhidDevice();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    // Opens /dev/uhid; false (errno set) when it cannot be opened.
    bool openControl();
    // The descriptor to poll for the kernel's events.
    int fd() const { return fd_; }

    bool create(const UhidDeviceSetup& setup);
    // The unplug: the kernel removes the device and its hidraw node.
    bool destroy();
    bool created() const { return created_; }

    bool sendInput(std::span<const std::uint8_t> report);
    // Reads one event; waits for one unless the caller polled first.
    std::optional<UhidRequest> read();
    // `error` 0 means success; otherwise an errno value the kernel hands on.
    bool replyGetReport(std::uint32_t id, std::uint16_t error, std::span<const std::uint8_t> data);
    bool replySetReport(std::uint32_t id, std::uint16_t error);

  private:
    int fd_ = -1;
    bool created_ = false;
};

}  // namespace e2e

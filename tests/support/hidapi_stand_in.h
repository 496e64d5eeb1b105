#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "hid/hid_layer.h"
#include "hid/hidapi/hidraw_node.h"

// A stand-in for hidapi and, on Linux, for the filesystem facts about hidraw nodes,
// substituted at link time: a test program links it in place of libhidapi and
// hidraw_node_linux.cpp (elsewhere it links the backend's own hidraw_node_other.cpp), so
// the real HidapiBackend runs against devices a test or a fuzzer scripts. Every call goes
// to the installed Responder; the stand-in keeps hidapi's own side of the contract (open
// devices, enumeration lists, terminated strings) and notes any misuse of it.
namespace standin {

// What a device tells about itself.
struct DeviceFacts {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;
};

struct Listed {
    std::string path;
    DeviceFacts facts;
};

// A device found at a path when it was opened; `key` names it in the later calls.
struct Found {
    std::size_t key = 0;
    DeviceFacts facts;
};

class Responder {
  public:
    virtual ~Responder() = default;

    virtual std::vector<Listed> enumerate() = 0;
    // Nothing when the system refuses the open.
    virtual std::optional<Found> open(const std::string& path) = 0;
    // Each returns what the hidapi function returns: a byte count, or -1.
    virtual int sendFeature(std::size_t key, std::span<const std::uint8_t> report) = 0;
    virtual int getFeature(std::size_t key, std::span<std::uint8_t> report) = 0;
    virtual int read(std::size_t key, std::span<std::uint8_t> buffer) = 0;
    // Fills `text` (the stand-in terminates it); 0 on success, -1 on failure.
    virtual int string(std::size_t key, hid::IdentityString which, std::span<wchar_t> text) = 0;
    // The device opened as `key` was closed.
    virtual void closed(std::size_t /*key*/) {}

    // The node facts: whether `path` is a hidraw character device, the stamp of a file
    // (device node or sysfs directory), the bytes of a sysfs file.
    virtual bool isNode(const std::string& path) = 0;
    virtual std::optional<hid::FileStamp> stamp(const std::string& path) = 0;
    virtual std::optional<std::vector<std::uint8_t>> file(const std::string& path) = 0;
};

// The sysfs file the backend reads a node's report descriptor from.
std::string descriptorFileOf(const std::string& devicePath);

// The responder installed now, or null.
Responder* installedResponder();

// Routes the stand-in's calls to `responder` while it lives; one at a time.
class Installation {
  public:
    explicit Installation(Responder& responder);
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    std::size_t opens() const;
    std::size_t devicesStillOpen() const;
    // Calls on closed devices and second closes, one line each; empty when none.
    const std::vector<std::string>& misuse() const;
};

}  // namespace standin

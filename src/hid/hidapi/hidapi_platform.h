#pragma once

#include <hidapi.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hid/hid_layer.h"
#include "hid/hidapi/hidraw_node.h"

// What the hidapi backend learns differently on each platform; the build picks the file
// (hidapi_backend_linux.cpp or hidapi_backend_other.cpp).
namespace hid::platform {

// The report descriptor of an opened device, if the platform can give it.
std::optional<std::vector<std::uint8_t>> reportDescriptor(hid_device* device,
                                                          const std::string& path);

// Whether the device opened at `path` is still there: `openedStamp` is its node as it
// was at the open, `identity` what the open found there.
bool stillPresent(const std::string& path, const std::optional<FileStamp>& openedStamp,
                  const InterfaceIdentity& identity);

}  // namespace hid::platform

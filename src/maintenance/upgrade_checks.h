#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "maintenance/firmware_image.h"

namespace maintenance {

// Why the built-in image must not go to an adaptor with feature reports of
// `featureReportLength` bytes, as one sentence for the user; none when it may.
std::optional<std::string> upgradeRefusal(const FirmwareImage& image,
                                          std::size_t featureReportLength, bool adaptorIsSimulated);

// What an adaptor in loader mode waits for and how to give it, for the status line.
std::string firmwareWaitStatus(const FirmwareImage& image, bool adaptorIsSimulated);

}  // namespace maintenance

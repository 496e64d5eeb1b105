#pragma once

#include <cstdint>
#include <span>

namespace maintenance {

// The firmware image built into the program.
struct FirmwareImage {
    std::span<const std::uint8_t> bytes;
    // The project's own test image: only a simulated adaptor may receive it.
    bool isTestImage = true;
};

// The image this build carries.
FirmwareImage builtInFirmwareImage();

}  // namespace maintenance

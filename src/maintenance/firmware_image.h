#pragma once

#include <array>
#include <cstdint>
#include <span>

// The firmware image built into the program, with the SHA-256 the build recorded.
struct FirmwareImage {
    std::span<const std::uint8_t> bytes;
    std::array<std::uint8_t, 32> sha256{};
    // The project's own test image: only a simulated adaptor may receive it.
    bool isTestImage = true;
};

// The image this build carries.
FirmwareImage builtInFirmwareImage();

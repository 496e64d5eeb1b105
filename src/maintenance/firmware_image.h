#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace maintenance {

// The firmware image built into the program.
struct FirmwareImage {
    std::span<const std::uint8_t> bytes;
    // The project's own test image: only a simulated adaptor may receive it.
    bool isTestImage = true;
    // The image's SHA-256 in hex; it carries no version of its own.
    std::string_view digest;
};

// What the image is, for the user: "the built-in firmware (8080 bytes, SHA-256
// 1a2b3c4d)", or that it is the test image.
std::string imageDescription(const FirmwareImage& image);

// The image this build carries.
FirmwareImage builtInFirmwareImage();

}  // namespace maintenance

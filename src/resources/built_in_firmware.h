#pragma once

#include <cstdint>
#include <span>

// The firmware image this build embeds (generated from the image file at build time).
namespace resources {

std::span<const std::uint8_t> builtInFirmwareBytes();
// True for the project's own test image, which only a simulated adaptor may receive.
bool builtInFirmwareIsTestImage();

}  // namespace resources

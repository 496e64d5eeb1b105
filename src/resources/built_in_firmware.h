#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The firmware image this build embeds (generated from the image file at build time).
namespace resources {

std::span<const std::uint8_t> builtInFirmwareBytes();
// True for the project's own test image, which only a simulated adaptor may receive.
bool builtInFirmwareIsTestImage();
// The image's SHA-256 in lower-case hex: the image carries no version, so this names it.
std::string_view builtInFirmwareDigest();

}  // namespace resources

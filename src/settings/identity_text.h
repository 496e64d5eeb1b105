#pragma once

#include <cstdint>
#include <span>
#include <string>

// Texts of the "Information" frame and the window caption.
namespace settings {

// The bytes of an identity string buffer read as UTF-8 text: the low byte of each UTF-16
// code unit as a Latin-1 character, up to the first zero low byte or the end of the
// buffer.
std::string decodeIdentityString(std::span<const std::uint8_t> buffer);

// " major.minor" with the minor part in upper-case hexadecimal: 0x0110 -> " 1.10".
std::string versionText(std::uint16_t versionNumber);

// The window caption for a connected product.
std::string captionForProduct(std::int32_t productId);

}  // namespace settings

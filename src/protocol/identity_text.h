#pragma once

#include <cstdint>
#include <span>
#include <string>

// The adaptor's identity as text: its strings and its version number.
namespace protocol {

// The bytes of an identity string buffer read as UTF-8 text: the low byte of each UTF-16
// code unit as a Latin-1 character, up to the first zero low byte or the end of the
// buffer.
std::string decodeIdentityString(std::span<const std::uint8_t> buffer);

// " major.minor" with the minor part in upper-case hexadecimal: 0x0110 -> " 1.10".
std::string versionText(std::uint16_t versionNumber);

}  // namespace protocol

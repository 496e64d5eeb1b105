#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The adaptor's identity as text: its strings and its version number.
namespace protocol {

// The bytes of an identity string buffer read as UTF-8 text: the low byte of each UTF-16
// code unit as a Latin-1 character, up to the first zero low byte or the end of the
// buffer.
std::string decodeIdentityString(std::span<const std::uint8_t> buffer);

// A device's text (a name, a serial number, a path, from the adaptor or a recording) as
// it may be printed: shown, never obeyed. Control characters (C0, DEL, C1) and bytes that
// are not UTF-8 become visible escapes ("\x1B", "\u009B"); everything else stays.
std::string visibleText(std::string_view deviceText);

// " major.minor" with the minor part in upper-case hexadecimal: 0x0110 -> " 1.10".
std::string versionText(std::uint16_t versionNumber);

}  // namespace protocol

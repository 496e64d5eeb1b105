#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// hidapi gives identity strings as wchar_t (UTF-32 on Linux and macOS, UTF-16 on
// Windows); the HID layer hands them on as UTF-16 bytes, least significant first.
namespace hid {

// Invalid code points (lone surrogates, above U+10FFFF) become U+FFFD.
std::u16string utf16FromUtf32(std::u32string_view text);
// Converts from whatever width wchar_t has on this platform, replacing what is invalid
// in it (on Windows a lone surrogate) as above.
std::u16string utf16FromWide(std::wstring_view text);

// Writes `units` into `buffer` as little-endian UTF-16, as many whole characters as
// fit in buffer.size() / 2 units (a surrogate pair is never split), then a zero
// terminator if a unit of room is left. Bytes past that are left alone.
// Returns the number of bytes written.
std::size_t writeUtf16Le(std::u16string_view units, std::span<std::uint8_t> buffer);

}  // namespace hid

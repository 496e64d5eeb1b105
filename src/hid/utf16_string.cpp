#include "hid/utf16_string.h"

#include <algorithm>

namespace hid {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
// Used only where wchar_t is UTF-16 (Windows).
[[maybe_unused]] bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void appendCodePoint(std::u16string& out, char32_t c) {
    if (isSurrogate(c) || c > 0x10FFFF) {
        c = kReplacement;
    }
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

void putUnit(char16_t unit, std::span<std::uint8_t> buffer, std::size_t index) {
    buffer[2 * index] = static_cast<std::uint8_t>(unit & 0xFF);
    buffer[2 * index + 1] = static_cast<std::uint8_t>(unit >> 8);
}

}  // namespace

std::u16string utf16FromUtf32(std::u32string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        appendCodePoint(out, c);
    }
    return out;
}

std::u16string utf16FromWide(std::wstring_view text) {
    std::u32string codePoints;
    codePoints.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<char32_t>(text[i]);
        // UTF-16 wchar_t (Windows): a pair is one code point; a lone surrogate stays one
        // and is replaced like any invalid code point.
        if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
            const auto next = static_cast<char16_t>(i + 1 < text.size() ? text[i + 1] : 0);
            if (isHighSurrogate(static_cast<char16_t>(unit)) && isLowSurrogate(next)) {
                codePoints.push_back(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        codePoints.push_back(unit);
    }
    return utf16FromUtf32(codePoints);
}

std::size_t writeUtf16Le(std::u16string_view units, std::span<std::uint8_t> buffer) {
    const std::size_t room = buffer.size() / 2;
    std::size_t count = std::min(units.size(), room);
    // Keep a high surrogate only together with the unit after it.
    if (count > 0 && count < units.size() && isHighSurrogate(units[count - 1])) {
        --count;
    }
    for (std::size_t i = 0; i < count; ++i) {
        putUnit(units[i], buffer, i);
    }
    if (count < room) {
        putUnit(u'\0', buffer, count);
        return 2 * (count + 1);
    }
    return 2 * count;
}

}  // namespace hid

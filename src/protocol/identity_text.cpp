#include "protocol/identity_text.h"

#include <cstdio>

namespace protocol {

std::string decodeIdentityString(std::span<const std::uint8_t> buffer) {
    // Each byte is a Latin-1 character, whose code point it is; the text is UTF-8.
    std::string text;
    for (std::size_t i = 0; i < buffer.size() && buffer[i] != 0; i += 2) {
        const std::uint8_t byte = buffer[i];
        if (byte < 0x80) {
            text.push_back(static_cast<char>(byte));
        } else {
            text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return text;
}

namespace {

// "\x1B" for a byte, "\u009B" for a code point.
std::string escaped(bool codePoint, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, codePoint ? "\\u%04X" : "\\x%02X", value);
    return text;
}

// The length of the UTF-8 sequence that starts `text`, or 0 when none does.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::size_t length = byte(0) < 0x80   ? 1
                               : byte(0) < 0xC2 ? 0
                               : byte(0) < 0xE0 ? 2
                               : byte(0) < 0xF0 ? 3
                               : byte(0) < 0xF5 ? 4
                                                : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    const unsigned second = byte(1);
    if ((byte(0) == 0xE0 && second < 0xA0) || (byte(0) == 0xED && second >= 0xA0) ||
        (byte(0) == 0xF0 && second < 0x90) || (byte(0) == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string visibleText(std::string_view deviceText) {
    std::string text;
    text.reserve(deviceText.size());
    while (!deviceText.empty()) {
        const auto lead = static_cast<unsigned char>(deviceText[0]);
        const std::size_t length = sequenceLength(deviceText);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            text += escaped(false, lead);
            deviceText.remove_prefix(1);
            continue;
        }
        // U+0080..U+009F, the C1 controls, are 0xC2 0x80..0x9F.
        const auto second = length == 2 ? static_cast<unsigned char>(deviceText[1]) : 0U;
        if (lead == 0xC2 && second < 0xA0) {
            text += escaped(true, second);
        } else {
            text.append(deviceText.substr(0, length));
        }
        deviceText.remove_prefix(length);
    }
    return text;
}

std::string versionText(std::uint16_t versionNumber) {
    const unsigned major = versionNumber / 256U;
    const unsigned minor = versionNumber - major * 256U;
    char text[16];
    std::snprintf(text, sizeof text, " %u.%X", major, minor);
    return text;
}

}  // namespace protocol

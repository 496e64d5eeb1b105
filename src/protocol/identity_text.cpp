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

std::string versionText(std::uint16_t versionNumber) {
    const unsigned major = versionNumber / 256U;
    const unsigned minor = versionNumber - major * 256U;
    char text[16];
    std::snprintf(text, sizeof text, " %u.%X", major, minor);
    return text;
}

}  // namespace protocol

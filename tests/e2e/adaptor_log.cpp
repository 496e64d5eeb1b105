#include "adaptor_log.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace e2e {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Splits "word rest" at the first space; rest is empty when there is none.
std::pair<std::string_view, std::string_view> splitWord(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, space), text.substr(space + 1)};
}

std::optional<bool> parseVerdict(std::string_view word, std::string_view yes, std::string_view no) {
    if (word == yes) {
        return true;
    }
    if (word == no) {
        return false;
    }
    return std::nullopt;
}

}  // namespace

std::string toHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text) {
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::string formatLogEntry(const LogEntry& entry) {
    switch (entry.kind) {
        case LogKind::Create: {
            char text[16];
            std::snprintf(text, sizeof text, "create %04x", entry.product);
            return text;
        }
        case LogKind::Destroy:
            return "destroy";
        case LogKind::Set:
            return std::string("set ") + (entry.accepted ? "ok " : "refused ") + toHex(entry.bytes);
        case LogKind::Get:
            return entry.accepted ? "get ok " + toHex(entry.bytes) : "get refused";
        case LogKind::Input:
            return "input " + toHex(entry.bytes);
        case LogKind::Settings:
            return "settings " + toHex(entry.bytes);
        case LogKind::Calibration:
            return entry.accepted ? "calibration on" : "calibration off";
    }
    return {};
}

std::optional<LogEntry> parseLogEntry(std::string_view line) {
    const auto [word, rest] = splitWord(line);
    LogEntry entry;
    if (word == "create") {
        const auto bytes = fromHex(rest);
        if (!bytes || bytes->size() != 2) {
            return std::nullopt;
        }
        entry.kind = LogKind::Create;
        entry.product = static_cast<std::uint16_t>((*bytes)[0] << 8 | (*bytes)[1]);
        return entry;
    }
    if (word == "destroy" && rest.empty()) {
        entry.kind = LogKind::Destroy;
        return entry;
    }
    if (word == "calibration") {
        const auto on = parseVerdict(rest, "on", "off");
        if (!on) {
            return std::nullopt;
        }
        entry.kind = LogKind::Calibration;
        entry.accepted = *on;
        return entry;
    }
    if (word == "get" && rest == "refused") {
        entry.kind = LogKind::Get;
        entry.accepted = false;
        return entry;
    }
    std::string_view hex = rest;
    if (word == "set" || word == "get") {
        const auto [verdict, payload] = splitWord(rest);
        const auto accepted = parseVerdict(verdict, "ok", "refused");
        if (!accepted || (word == "get" && !*accepted)) {
            return std::nullopt;
        }
        entry.kind = word == "set" ? LogKind::Set : LogKind::Get;
        entry.accepted = *accepted;
        hex = payload;
    } else if (word == "input") {
        entry.kind = LogKind::Input;
    } else if (word == "settings") {
        entry.kind = LogKind::Settings;
    } else {
        return std::nullopt;
    }
    auto bytes = fromHex(hex);
    if (!bytes) {
        return std::nullopt;
    }
    entry.bytes = std::move(*bytes);
    return entry;
}

std::vector<LogEntry> readLogFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<LogEntry> entries;
    // Only whole lines count: the adaptor may be writing the last one right now.
    for (std::size_t start = 0, end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        auto entry = parseLogEntry(std::string_view(text).substr(start, end - start));
        if (!entry) {
            break;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

}  // namespace e2e

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The uhid adaptor's record of what happened to it, one line per entry, so the guest
// session can check what the adaptor model received byte for byte:
//   create 10a0          the device came up with this product identifier
//   destroy              the device was unplugged
//   set ok|refused HEX   a feature report as handed to the model, and its answer
//   get ok HEX | get refused   a feature request and the reply the model gave
//   input HEX            an input report as the model made it (report ID first)
//   settings HEX         the stored thresholds when the adaptor quit
//   calibration on|off   the calibration mode when the adaptor quit
namespace e2e {

enum class LogKind { Create, Destroy, Set, Get, Input, Settings, Calibration };

struct LogEntry {
    LogKind kind = LogKind::Destroy;
    bool accepted = true;             // Set, Get: the model took it; Calibration: on
    std::uint16_t product = 0;        // Create
    std::vector<std::uint8_t> bytes;  // Set, Get, Input, Settings

    bool operator==(const LogEntry&) const = default;
};

// Two lower-case hex digits per byte, nothing between them.
std::string toHex(std::span<const std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text);

// The entry as one line, without the newline.
std::string formatLogEntry(const LogEntry& entry);
std::optional<LogEntry> parseLogEntry(std::string_view line);

// Every entry of the log file; a line that does not parse ends the reading there.
std::vector<LogEntry> readLogFile(const std::string& path);

}  // namespace e2e

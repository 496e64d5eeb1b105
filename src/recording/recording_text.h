#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "recording/recording.h"

// The recording's text: one JSON object a line. The first line names the format and its
// version, the program, the platform and the date; then one line a call (an enumeration
// adds a line for each interface it listed); the last line says why the recording ended.
namespace recording {

std::string headerLine(const Header& header);
std::string callLines(const Call& call);
std::string endLine(std::int64_t timeUs, std::string_view reason);

struct ReadResult {
    std::optional<Recording> recording;
    std::string error;  // one sentence when there is no recording
};

// Refuses a damaged, cut or oversized text, or one of a newer format version.
ReadResult readRecording(std::string_view text);

}  // namespace recording

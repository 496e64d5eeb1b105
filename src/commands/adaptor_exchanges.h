#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/adaptor_link.h"
#include "commands/setting_names.h"
#include "history/entry.h"

// The exchanges the commands make with an open adaptor, report for report as the window
// makes them.
namespace commands {

struct AdaptorIdentity {
    std::string path;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
};

// The adaptor as its history names it.
history::Identity historyIdentity(const AdaptorIdentity& identity);

// Identity from enumeration and the three identity strings (empty when not given).
AdaptorIdentity readIdentity(AdaptorLink& link);

// Calibration mode on, the settings request and its reply, calibration mode off: the
// thresholds only when the request went out and the reply came back.
std::optional<Thresholds> readThresholds(AdaptorLink& link);

struct WriteOutcome {
    std::optional<Thresholds> before;  // as read first; nothing when the read failed
    std::size_t reportsSent = 0;
    std::size_t reportsAccepted = 0;
    bool allAccepted() const { return reportsSent == reportsAccepted; }
};

// Reads the current thresholds, then sends calibration mode on, one WriteSetting report
// per assignment in order, and calibration mode off.
WriteOutcome writeThresholds(AdaptorLink& link, const std::vector<Assignment>& assignments);

// The memory request, then the eight block fetches, as the memory-dump dialog shows them.
std::string readMemoryDump(AdaptorLink& link);

}  // namespace commands

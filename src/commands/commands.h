#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "commands/adaptor_exchanges.h"
#include "commands/exit_status.h"
#include "commands/setting_names.h"
#include "diagnosis/diagnosis.h"
#include "hid/hid_layer.h"
#include "history/recorder.h"

// The commands that run without a window: what they exchange with the adaptor, what
// they print and the exit status they end with.
namespace commands {

struct CommandOutput {
    int exitCode = kExitOk;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// Every adaptor present and whether this user may open it; for those refused, the
// reason `access` found (when given: the real system only).
CommandOutput listAdaptorsCommand(hid::HidLayer& hid, const diagnosis::Diagnosis* access);

struct ReadResult {
    int exitCode = kExitOk;
    std::string error;  // why it failed, when it did
    AdaptorIdentity identity;
    std::optional<Thresholds> thresholds;  // nothing from a loader or a failed read
};

// Identity and thresholds of the first adaptor that opens; writes nothing.
ReadResult readCommand(hid::HidLayer& hid, const diagnosis::Diagnosis* access);
CommandOutput readOutput(const ReadResult& result);

// What --write and --write-file ask for.
struct WriteRequest {
    ParsedAssignments assignments;
    // Set: the values were made for this product, and go to no other.
    std::optional<std::uint16_t> madeForProduct;
    // Set: the values read first and the values stored are kept in the history.
    history::Recorder* history = nullptr;
};

// Sends the assignments unless they are bad, made for another product, or the adaptor
// holds no thresholds.
CommandOutput writeCommand(hid::HidLayer& hid, const WriteRequest& request,
                           const diagnosis::Diagnosis* access);

// The memory dump of the first adaptor that opens.
CommandOutput dumpCommand(hid::HidLayer& hid, const diagnosis::Diagnosis* access);

}  // namespace commands

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/fault_injecting_layer.h"

// A scripted use of the window on the simulated adaptor, run with at most one injected
// fault, and the promises it checks along the way.
namespace reliability {

enum class Script {
    // A Kelvo adaptor: start-up, reports in both modes, typed thresholds, "Update
    // settings", the memory dump and the close.
    Calibration,
    // The firmware loader: start-up, a few ticks, "Upgrade Firmware".
    FirmwareUpgrade,
};

enum class FaultKind {
    None,
    FailCall,             // the call fails
    UnplugBeforeCall,     // the adaptor is unplugged just before the call, replugged later
    ShortReply,           // the call succeeds, but its reply stops after a few bytes
    GarbledReply,         // the call succeeds, but its reply is garbage
    ReplugAsOther,        // just before the call the adaptor comes back as another product
                          // with other settings
    NodeTakenBeforeCall,  // just before the call another device takes the adaptor's node
};

struct Fault {
    FaultKind kind = FaultKind::None;
    std::uint64_t call = 0;  // the call's index on the bus
};

// A broken promise: which one, and where and how it broke.
struct Problem {
    std::string promise;
    std::string detail;
};

struct RunReport {
    std::uint64_t calls = 0;                   // HID calls the run made
    std::vector<support::CallKind> callKinds;  // by call
    std::vector<Problem> problems;
    // What the run did, so a test can tell that the script reached its steps.
    std::size_t reportsRead = 0;
    bool sawSequentialMode = false;
    std::size_t settingsWritten = 0;
    std::size_t dumpsShown = 0;
    bool upgradeClicked = false;
    std::size_t firmwareChunksReceived = 0;
    std::array<std::uint8_t, 6> finalSettings{};  // the adaptor's, by address
};

RunReport runScript(Script script, Fault fault = {});

std::string describe(const Fault& fault);

}  // namespace reliability

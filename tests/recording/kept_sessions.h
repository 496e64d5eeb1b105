#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hid/hid_layer.h"
#include "protocol/link_rules.h"
#include "sim/simulated_bus.h"
#include "support/fault_injecting_layer.h"

// The sessions whose recordings are kept in tests/recordings/: what the program did in
// each, and what the recorded adaptor holds.
struct KeptSession {
    std::string file;
    // Sets up the simulated bus and its faults for a session that make_recordings
    // records; empty for a recording the program itself made (see the README there).
    std::function<void(sim::SimulatedBus&, support::FaultInjectingLayer&)> setUp;
    std::function<void(hid::HidLayer&)> run;  // what the program did
    std::uint16_t productId = 0;
    std::u16string serialNumber;
    std::optional<protocol::Thresholds> thresholds;  // as a read of the recorded adaptor shows
};

const std::vector<KeptSession>& keptSessions();

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
    // What the program did; for a window, returns what it showed at the end.
    std::function<std::string(hid::HidLayer&)> run;
    std::uint16_t productId = 0;
    std::u16string serialNumber;
    std::optional<protocol::Thresholds> thresholds;  // as a read of the recorded adaptor shows
    std::string shown;  // what the window showed at the end; empty for a command
};

const std::vector<KeptSession>& keptSessions();

// The ticks of the window session recorded in the kernel guest (tests/e2e).
constexpr int kGuestWindowTicks = 20;

// The window on an adaptor: `count` ticks, with `betweenTicks` run between two of them,
// the thresholds stored, the memory dumped, the window closed. Returns what the window
// showed before it closed.
std::string windowSession(hid::HidLayer& hid, int count,
                          const std::function<void()>& betweenTicks = {});

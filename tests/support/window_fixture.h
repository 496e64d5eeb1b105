#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "sim/simulated_bus.h"
#include "support/fault_injecting_layer.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

// A window on a simulated bus, seen through the fault-injecting layer, with a recording
// toolkit.
class WindowTest : public ::testing::Test {
  protected:
    // Creates the window (not yet loaded) on the bus as it is now.
    frmMain& createWindow(WindowOptions options = simulatedOptions()) {
        options.adaptorIsSimulated = true;
        createdWindow = std::make_unique<frmMain>(hid, toolkit, std::move(options));
        return *createdWindow;
    }
    frmMain& loadWindow() {
        createWindow();
        createdWindow->Form_Load();
        return *createdWindow;
    }

    static WindowOptions simulatedOptions() {
        WindowOptions options;
        options.adaptorIsSimulated = true;
        options.supportAddress = "support@example.invalid";
        return options;
    }

    // The feature reports the adaptor accepted since the log was cleared.
    std::vector<std::vector<std::uint8_t>> featureReportsSent() const {
        return hid.featureReportsSent();
    }
    std::size_t callsOf(support::CallKind kind) const { return hid.callsOf(kind); }

    sim::SimulatedBus bus;
    // What the window sees of the bus: every call logged, faults where a test asks.
    support::FaultInjectingLayer hid{bus};
    RecordingToolkit toolkit;
    std::unique_ptr<frmMain> createdWindow;
};

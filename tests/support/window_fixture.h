#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "sim/simulated_bus.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

// A window on a simulated bus with a recording toolkit.
class WindowTest : public ::testing::Test {
  protected:
    // Creates the window (not yet loaded) on the bus as it is now.
    frmMain& createWindow(WindowOptions options = simulatedOptions()) {
        options.adaptorIsSimulated = true;
        window = std::make_unique<frmMain>(bus, toolkit, std::move(options));
        return *window;
    }
    frmMain& loadWindow() {
        createWindow();
        window->Form_Load();
        return *window;
    }

    static WindowOptions simulatedOptions() {
        WindowOptions options;
        options.adaptorIsSimulated = true;
        options.supportAddress = "support@example.invalid";
        return options;
    }

    // The feature reports the adaptor accepted since the log was cleared.
    std::vector<std::vector<std::uint8_t>> featureReportsSent() const {
        std::vector<std::vector<std::uint8_t>> sent;
        for (const sim::CallRecord& call : bus.log()) {
            if (call.kind == sim::CallKind::SetFeature && call.result) {
                sent.push_back(call.bytes);
            }
        }
        return sent;
    }
    std::size_t callsOf(sim::CallKind kind) const {
        std::size_t count = 0;
        for (const sim::CallRecord& call : bus.log()) {
            count += call.kind == kind ? 1 : 0;
        }
        return count;
    }

    sim::SimulatedBus bus;
    RecordingToolkit toolkit;
    std::unique_ptr<frmMain> window;
};

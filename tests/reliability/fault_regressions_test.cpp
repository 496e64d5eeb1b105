// Faults the fault sweep found, each reduced to the few steps that show it.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "sim/simulated_bus.h"
#include "support/fault_injecting_layer.h"
#include "support/recording_toolkit.h"
#include "support/window_fixture.h"
#include "window/frm_main.h"

namespace {

using Settings = std::array<std::uint8_t, protocol::kSettingCount>;
constexpr Settings kStored{40, 200, 60, 190, 70, 180};

struct Outcome {
    Settings settingsAfterClose{};
    std::vector<support::CallRecord> log;
};

// A Kelvo adaptor holding kStored, a few bytes of memory; the window starts, shows a
// memory dump, loses the adaptor and finds it again, stores its thresholds and closes.
// The user types nothing, so the adaptor must end holding what it held.
Outcome dumpReconnectStoreAndClose(const std::set<std::uint64_t>& failing) {
    sim::SimulatedBus bus;
    support::FaultInjectingLayer hid(bus);
    RecordingToolkit toolkit;
    const sim::DeviceId id = bus.addAdaptor(sim::kelvoIdentity());
    bus.adaptor(id).settings = kStored;
    bus.adaptor(id).memory.fill(0x33);
    bus.adaptor(id).settingsInMemory = false;
    for (std::uint64_t call : failing) {
        hid.failCall(call);
    }
    WindowOptions options;
    options.adaptorIsSimulated = true;
    frmMain window(hid, toolkit, options);
    window.Form_Load();
    window.Command1_Click();
    bus.unplug(id);
    window.Timer_Timer();
    bus.replug(id);
    window.Timer_Timer();
    window.btnUpdate_Click();
    window.Form_Unload();
    return {bus.adaptor(id).settings, hid.log()};
}

// Index of the `nth` (0, 1, ...) call matching `matches` in `log`.
template <typename Matches>
std::uint64_t indexOf(const std::vector<support::CallRecord>& log, std::size_t nth,
                      Matches matches) {
    for (const support::CallRecord& call : log) {
        if (matches(call) && nth-- == 0) {
            return call.index;
        }
    }
    ADD_FAILURE() << "no such call";
    return ~std::uint64_t{0};
}

bool isRequestSettings(const support::CallRecord& call) {
    return call.kind == support::CallKind::SetFeature && call.bytes.size() > 1 &&
           call.bytes[1] == protocol::kRequestSettings;
}

// The window fetched the settings reply even when the request for it had failed, took
// whatever the adaptor answered (a zero payload, or a memory block still pending) as
// its thresholds, and stored them back.
TEST(FaultRegressions, AReplyToASettingsRequestThatFailedIsNeverStored) {
    const Outcome clean = dumpReconnectStoreAndClose({});
    ASSERT_EQ(clean.settingsAfterClose, kStored);

    // The request at start-up fails: the adaptor answers the fetch with zeros.
    const std::uint64_t firstRequest = indexOf(clean.log, 0, isRequestSettings);
    EXPECT_EQ(dumpReconnectStoreAndClose({firstRequest}).settingsAfterClose, kStored)
        << "zeros stored";

    // The dump's last fetch fails, so its last block stays pending; the request at the
    // reconnection fails too, and the fetch brings that memory block.
    const std::uint64_t lastDumpFetch = indexOf(clean.log, 8, [](const support::CallRecord& call) {
        return call.kind == support::CallKind::GetFeature;
    });
    const std::uint64_t secondRequest = indexOf(clean.log, 1, isRequestSettings);
    EXPECT_EQ(dumpReconnectStoreAndClose({lastDumpFetch, secondRequest}).settingsAfterClose,
              kStored)
        << "memory bytes stored";
}

using FaultRegressionsOnAWindow = WindowTest;

// The disconnected look hid every control but the upgrade button the loader had shown;
// a click on it then turned the timer off, so the window never looked for an adaptor again.
TEST_F(FaultRegressionsOnAWindow, AnUnpluggedLoaderLeavesNoUpgradeButtonBehind) {
    const sim::DeviceId loader = bus.addAdaptor(sim::loaderIdentity());
    loadWindow();
    ASSERT_TRUE(createdWindow->UpgradeFW.Visible);
    bus.unplug(loader);
    createdWindow->Timer_Timer();
    ASSERT_FALSE(createdWindow->session.isConnected);
    EXPECT_FALSE(createdWindow->UpgradeFW.Visible);
    EXPECT_FALSE(createdWindow->UpgradeFW.Enabled);
}

}  // namespace

// The window on an adaptor whose every answer the input chooses, driven through start-up,
// timer ticks, typed thresholds, its three buttons and the close.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_target.h"
#include "fuzz/fuzzed_hid_layer.h"
#include "fuzz/window_steps.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedHidLayer hid(data);
    RecordingToolkit toolkit;
    WindowOptions options;
    options.adaptorIsSimulated = data.ConsumeBool();
    options.supportAddress = "support@example.invalid";
    frmMain window(hid, toolkit, options);

    runWindowSteps(window, data,
                   {.typed =
                        [&](std::uint8_t address, int value) {
                            hid.allowStoredValue(window.session.deviceHandle, address, value);
                        },
                    .upgrade =
                        [&] {
                            hid.setSendingFirmware(true);
                            window.UpgradeFW_Click();
                            hid.setSendingFirmware(false);
                        }});
    return 0;
}

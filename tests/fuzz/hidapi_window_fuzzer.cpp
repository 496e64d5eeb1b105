// The window on the real hidapi backend, against hidraw devices whose every answer the
// input chooses (fuzzed_hidraw.*), driven through start-up, ticks, typed thresholds, its
// three buttons and the close.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/fuzzed_hidraw.h"
#include "fuzz/window_steps.h"
#include "hid/hidapi/hidapi_backend.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedHidraw devices(data);
    standin::Installation installation(devices);
    {
        hid::HidapiBackend backend;
        RecordingToolkit toolkit;
        WindowOptions options;  // real adaptors, the built-in image
        options.supportAddress = "support@example.invalid";
        frmMain window(backend, toolkit, options);

        WindowSteps steps{
            .typed = [&](std::uint8_t address,
                         int value) { devices.allowTypedValue(address, value); },
            .upgrade =
                [&] {
                    const std::size_t before = devices.featureReportsSent();
                    window.UpgradeFW_Click();
                    fuzzCheck(
                        !options.firmware.isTestImage || devices.featureReportsSent() == before,
                        "no firmware chunk reaches a real adaptor from a test build");
                },
        };
        runWindowSteps(window, data, steps);
        fuzzCheck(installation.devicesStillOpen() == 0, "every open is closed by the close");
    }
    fuzzCheck(installation.misuse().empty(), "nothing used after it was closed, nor closed twice");
    return 0;
}

// The window on an adaptor whose every answer the input chooses, driven through start-up,
// timer ticks, typed thresholds, its three buttons and the close.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_target.h"
#include "fuzz/fuzzed_hid_layer.h"
#include "monitor/threshold_text.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

namespace {

constexpr int kMaxSteps = 48;
constexpr std::size_t kMaxTypedLength = 12;

enum class Step { Tick, Type, Update, Dump, Upgrade, kMaxValue = Upgrade };

// The front end forwards clicks of shown, enabled buttons only.
bool clickable(const toolkit::CommandButton& button) {
    return button.Enabled && button.Visible;
}

void type(frmMain& window, FuzzedHidLayer& hid, FuzzedDataProvider& data) {
    toolkit::TextBox* boxes[] = {&window.Text7, &window.Text8, &window.Text9, &window.Text10};
    toolkit::TextBox& box = *boxes[data.ConsumeIntegralInRange<std::size_t>(0, 3)];
    box.Text = data.ConsumeRandomLengthString(kMaxTypedLength);
    if (const std::optional<int> value = parseThresholdText(box.Text)) {
        hid.allowStoredValue(*value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedHidLayer hid(data);
    RecordingToolkit toolkit;
    WindowOptions options;
    options.adaptorIsSimulated = data.ConsumeBool();
    options.supportAddress = "support@example.invalid";
    frmMain window(hid, toolkit, options);

    window.Form_Load();
    for (int step = 0; step < kMaxSteps && data.remaining_bytes() > 0 && !window.isUnloaded();
         ++step) {
        switch (data.ConsumeEnum<Step>()) {
            case Step::Tick:
                if (window.Timer.Enabled) {
                    window.Timer_Timer();
                }
                break;
            case Step::Type:
                type(window, hid, data);
                break;
            case Step::Update:
                if (clickable(window.btnUpdate)) {
                    window.btnUpdate_Click();
                }
                break;
            case Step::Dump:
                if (clickable(window.Command1)) {
                    window.Command1_Click();
                }
                break;
            case Step::Upgrade:
                if (clickable(window.UpgradeFW)) {
                    hid.setSendingFirmware(true);
                    window.UpgradeFW_Click();
                    hid.setSendingFirmware(false);
                }
                break;
        }
    }
    window.Unload();
    return 0;
}

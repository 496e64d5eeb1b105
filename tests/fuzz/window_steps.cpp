#include "fuzz/window_steps.h"

#include <optional>

#include "monitor/threshold_text.h"

namespace {

constexpr int kMaxSteps = 48;
constexpr std::size_t kMaxTypedLength = 12;

enum class Step { Tick, Type, Update, Dump, Upgrade, kMaxValue = Upgrade };

// The front end forwards clicks of shown, enabled buttons only.
bool clickable(const toolkit::CommandButton& button) {
    return button.Enabled && button.Visible;
}

// The setting a box's text goes to: Text9 and Text10 hold the verticals, taken in the
// H-pattern only; Text7 and Text8 the horizontals of the mode shown, and a change of
// mode refills them before anything typed is taken.
std::optional<std::uint8_t> addressOf(const frmMain& window, std::size_t box) {
    constexpr std::uint8_t kHPattern[] = {protocol::kAddressH1, protocol::kAddressH2,
                                          protocol::kAddressV1, protocol::kAddressV2};
    constexpr std::uint8_t kSequential[] = {protocol::kAddressSeqH1, protocol::kAddressSeqH2};
    if (box >= 2 || window.shownMode == protocol::kHPatternMode) {
        return kHPattern[box];
    }
    if (window.shownMode == protocol::kSequentialMode) {
        return kSequential[box];
    }
    return std::nullopt;
}

// Typed while disconnected, text never reaches an adaptor: connecting refills the boxes
// from its settings, or stores nothing when they cannot be read.
void type(frmMain& window, FuzzedDataProvider& data, const WindowSteps& steps) {
    toolkit::TextBox* boxes[] = {&window.Text7, &window.Text8, &window.Text9, &window.Text10};
    const std::size_t box = data.ConsumeIntegralInRange<std::size_t>(0, 3);
    boxes[box]->Text = data.ConsumeRandomLengthString(kMaxTypedLength);
    const std::optional<int> value = monitor::parseThresholdText(boxes[box]->Text);
    const std::optional<std::uint8_t> address = addressOf(window, box);
    if (value && address && window.session.isConnected) {
        steps.typed(*address, *value);
    }
}

}  // namespace

void runWindowSteps(frmMain& window, FuzzedDataProvider& data, const WindowSteps& steps) {
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
                type(window, data, steps);
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
                    steps.upgrade();
                }
                break;
        }
    }
    window.Unload();
}

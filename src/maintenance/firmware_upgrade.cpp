// "Upgrade Firmware": sends the built-in image to an adaptor in loader mode, then ends
// the program, as the adaptor restarts under its new firmware.
#include <string>
#include <vector>

#include "i18n/translate.h"
#include "maintenance/upgrade_checks.h"
#include "window/frm_main.h"

namespace {

constexpr const char* kUpgradeTitle = QT_TRANSLATE_NOOP("Window", "Upgrade Firmware");
constexpr const char* kDoneCaption = QT_TRANSLATE_NOOP("Window", "Done.Exiting...");
constexpr int kExitPause = 100;

constexpr const char* kUpgradeQuestion = QT_TRANSLATE_NOOP(
    "Window",
    "The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a "
    "few seconds. Keep the adaptor plugged in until it is done. When it is done, this "
    "program closes.\n\nSend the firmware now?");

std::string upgradeOutcome(std::size_t failedBlocks, std::size_t blocks) {
    if (failedBlocks == 0) {
        return i18n::translate("Window",
                               "The firmware image was sent; please unplug the adaptor and "
                               "plug it in again. This program now closes.");
    }
    return i18n::arg(i18n::translate("Window",
                                     "The adaptor did not accept %1 of the %2 firmware blocks "
                                     "and is still waiting for a firmware image, so please "
                                     "start this program again and repeat the upgrade. This "
                                     "program now closes."),
                     {std::to_string(failedBlocks), std::to_string(blocks)});
}

}  // namespace

void frmMain::UpgradeFW_Click() {
    if (upgradeInProgress_) {
        return;  // a click while the transfer lets events through
    }
    Timer.Enabled = false;
    if (!session.isConnected) {
        return;
    }
    if (const auto refusal = maintenance::upgradeRefusal(
            options_.firmware, session.caps.FeatureReportByteLength, options_.adaptorIsSimulated)) {
        toolkit_.MessageBox(i18n::translate("Window", kUpgradeTitle), *refusal);
        Timer.Enabled = true;
        return;
    }
    if (!toolkit_.Confirm(i18n::translate("Window", kUpgradeTitle),
                          i18n::arg(i18n::translate("Window", kUpgradeQuestion),
                                    {maintenance::imageDescription(options_.firmware)}),
                          i18n::translate("Window", "Send firmware"))) {
        Timer.Enabled = true;
        return;
    }
    const std::size_t failedBlocks = SendFirmwareImage();
    toolkit_.MessageBox(i18n::translate("Window", kUpgradeTitle),
                        upgradeOutcome(failedBlocks, options_.firmware.bytes.size() /
                                                         protocol::kFirmwareChunkPayload));
    UpgradeFW.Caption = i18n::translate("Window", kDoneCaption);
    toolkit_.Sleep(kExitPause);
    Unload();
}

std::size_t frmMain::SendFirmwareImage() {
    upgradeInProgress_ = true;
    const std::span<const std::uint8_t> image = options_.firmware.bytes;
    // Zeroed once: every chunk writes bytes 0..40 only, so the rest stay zero.
    std::vector<std::uint8_t> chunk(session.caps.FeatureReportByteLength, 0);
    const std::size_t blocks = image.size() / protocol::kFirmwareChunkPayload;
    std::size_t failedBlocks = 0;
    for (std::size_t at = 0; at < blocks * protocol::kFirmwareChunkPayload;
         at += protocol::kFirmwareChunkPayload) {
        protocol::writeFirmwareChunk(chunk,
                                     image.subspan(at).first<protocol::kFirmwareChunkPayload>());
        session.lastResult = hid_.setFeature(session.deviceHandle, chunk);
        // Refused blocks are counted, not retried: the user is told to upgrade again.
        if (!session.lastResult) {
            ++failedBlocks;
        }
        // A real loader takes a while: the status line shows how far the transfer got.
        status.notify(i18n::arg(
            i18n::translate("Window", "Sending firmware: %1 of %2"),
            {std::to_string(at / protocol::kFirmwareChunkPayload + 1), std::to_string(blocks)}));
        toolkit_.DoEvents();
    }

    UpgradeFW.Enabled = false;
    UpgradeFW.Visible = false;
    CloseConnection();
    session.productId = 0;
    upgradeInProgress_ = false;
    return failedBlocks;
}

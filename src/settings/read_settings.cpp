// Reading the adaptor's identity and stored thresholds when it connects.
#include <array>
#include <string>

#include "settings/identity_text.h"
#include "window/frm_main.h"

void frmMain::ReadDeviceSettings() {
    UpgradeFW.Enabled = false;
    UpgradeFW.Visible = false;

    device::writeSetCalibrationMode(session.featureBuffer, true);
    SendFeatureBuffer(device::kCommandLength);
    device::writeRequestSettings(session.featureBuffer);
    const bool requested = SendFeatureBuffer(device::kSettingsReportLength);
    const bool fetched = FetchFeatureReply(session.inputBuffer, device::kSettingsReportLength);

    // Only the reply to a request that went out may become the thresholds (after a
    // failed request the adaptor may hand out any other pending reply). Otherwise they
    // and the text boxes keep what they held, and the close will not write them back.
    settingsReadFromAdaptor = requested && fetched;
    if (settingsReadFromAdaptor) {
        const auto setting = [this](std::uint8_t address) {
            return static_cast<std::int16_t>(
                session.inputBuffer[device::kSettingsOffset + address]);
        };
        thresholdV1 = setting(device::kAddressV1);
        thresholdV2 = setting(device::kAddressV2);
        thresholdH2 = setting(device::kAddressH2);
        thresholdH1 = setting(device::kAddressH1);
        thresholdSeqH2 = setting(device::kAddressSeqH2);
        thresholdSeqH1 = setting(device::kAddressSeqH1);
    }
    shownMode = 255;
    if (settingsReadFromAdaptor) {
        FillThresholdBoxes();
    }

    // One buffer shared by the three requests, never cleared between them: the
    // terminator each string brings ends the scan before older bytes.
    std::array<std::uint8_t, 201> identityBuffer{};
    const auto request = [&](hid::IdentityString which) {
        session.lastResult = hid_.getString(session.inputHandle, which,
                                            std::span<std::uint8_t>(identityBuffer.data(), 100));
        return session.lastResult != 0;
    };
    if (request(hid::IdentityString::Manufacturer)) {
        lblManuf.Caption = " " + settings::decodeIdentityString(identityBuffer);
        lblVersion.Caption = settings::versionText(session.attributes.VersionNumber);
    }
    if (request(hid::IdentityString::Product)) {
        lblProduct.Caption = " " + settings::decodeIdentityString(identityBuffer);
    }
    if (request(hid::IdentityString::SerialNumber)) {
        lblSerialNumber.Caption = " " + settings::decodeIdentityString(identityBuffer);
    }

    Caption = settings::captionForProduct(session.productId);
    if (device::isProduct(session.productId, device::kLoader)) {
        UpgradeFW.Enabled = true;
        UpgradeFW.Visible = true;
    }
    RecordRead();
}

void frmMain::FillThresholdBoxes() {
    Text9.Text = std::to_string(thresholdV1);
    Text10.Text = std::to_string(thresholdV2);
    // The mode of the newest report is the best guess; the first report shown after a
    // connection refills both boxes by its own mode anyway.
    const bool sequential = lastReportMode == device::kSequentialMode;
    Text7.Text = std::to_string(sequential ? thresholdSeqH1 : thresholdH1);
    Text8.Text = std::to_string(sequential ? thresholdSeqH2 : thresholdH2);
    for (monitor::TypingRun& run : typingRuns_) {
        run.settle();
    }
}

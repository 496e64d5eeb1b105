// Reading the adaptor's identity and stored thresholds when it connects.
#include <array>
#include <string>

#include "protocol/identity_text.h"
#include "protocol/link_rules.h"
#include "settings/product_caption.h"
#include "window/frm_main.h"

void frmMain::ReadDeviceSettings() {
    UpgradeFW.Enabled = false;
    UpgradeFW.Visible = false;

    protocol::writeSetCalibrationMode(session.featureBuffer, true);
    SendFeatureBuffer(protocol::kCommandLength);
    protocol::writeRequestSettings(session.featureBuffer);
    const bool requested = SendFeatureBuffer(protocol::kSettingsReportLength);
    const bool fetched = FetchFeatureReply(session.inputBuffer, protocol::kSettingsReportLength);

    // Only the reply to a request that went out may become the thresholds (after a
    // failed request the adaptor may hand out any other pending reply). Otherwise they
    // and the text boxes keep what they held, and the close will not write them back.
    settingsReadFromAdaptor = requested && fetched;
    adaptorHolds_.reset();
    if (settingsReadFromAdaptor) {
        const protocol::Thresholds read = protocol::thresholdsOfReply(session.inputBuffer);
        for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
            thresholdOf(facts.threshold) = read[facts.address];
        }
        if (protocol::reportsLever(session.productId)) {
            adaptorHolds_ = read;
        }
    }
    shownMode = kNoModeShown;
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
        lblManuf.Caption = " " + protocol::decodeIdentityString(identityBuffer);
        lblVersion.Caption = protocol::versionText(session.attributes.VersionNumber);
    }
    if (request(hid::IdentityString::Product)) {
        lblProduct.Caption = " " + protocol::decodeIdentityString(identityBuffer);
    }
    if (request(hid::IdentityString::SerialNumber)) {
        lblSerialNumber.Caption = " " + protocol::decodeIdentityString(identityBuffer);
    }

    Caption = settings::captionForProduct(session.productId);
    if (protocol::isLoader(session.productId)) {
        UpgradeFW.Enabled = true;
        UpgradeFW.Visible = true;
    }
    TellConnection();
}

void frmMain::FillThresholdBoxes() {
    Text9.Text = std::to_string(thresholdV1);
    Text10.Text = std::to_string(thresholdV2);
    // The mode of the newest report is the best guess; the first report shown after a
    // connection refills both boxes by its own mode anyway.
    const bool sequential = lastReportMode == protocol::kSequentialMode;
    Text7.Text = std::to_string(sequential ? thresholdSeqH1 : thresholdH1);
    Text8.Text = std::to_string(sequential ? thresholdSeqH2 : thresholdH2);
    for (monitor::TypingRun& run : typingRuns_) {
        run.settle();
    }
}

// Sending and fetching reports on the open connection.
#include "protocol/link_rules.h"
#include "window/frm_main.h"

namespace {

std::size_t usableLength(const hid::Capabilities& caps, std::size_t lengthNeeded) {
    return protocol::usableFeatureLength(caps.FeatureReportByteLength, lengthNeeded);
}

}  // namespace

bool frmMain::SendFeatureBuffer(std::size_t lengthNeeded) {
    const std::size_t length = usableLength(session.caps, lengthNeeded);
    session.lastResult = length != 0 && hid_.setFeature(session.deviceHandle,
                                                        std::span<const std::uint8_t>(
                                                            session.featureBuffer.data(), length));
    return session.lastResult != 0;
}

bool frmMain::FetchFeatureReply(protocol::ReportBuffer& reply, std::size_t lengthNeeded) {
    const std::size_t length = usableLength(session.caps, lengthNeeded);
    reply[0] = protocol::kReportId;
    session.featureBytesRead = 0;
    const bool fetched =
        length != 0 &&
        hid_.getFeature(session.deviceHandle, std::span<std::uint8_t>(reply.data(), length),
                        session.featureBytesRead);
    session.lastResult =
        fetched && protocol::carriesWholeReply(session.featureBytesRead, lengthNeeded);
    return session.lastResult != 0;
}

bool frmMain::ReadInputReport() {
    session.inputBuffer[0] = protocol::kReportId;
    session.lastResult = hid_.readInput(
        session.inputHandle,
        std::span<std::uint8_t>(session.inputBuffer.data(), protocol::kInputReadLength),
        session.inputBytesRead);
    return session.lastResult != 0;
}

bool frmMain::WriteSetting(std::uint8_t address, std::int16_t value) {
    protocol::writeWriteSetting(session.featureBuffer, address, static_cast<std::uint8_t>(value));
    const bool accepted = SendFeatureBuffer(protocol::kCommandLength);
    refusedStoreReports_ += accepted ? 0 : 1;
    if (accepted && adaptorHolds_) {
        (*adaptorHolds_)[address] = static_cast<std::uint8_t>(value);
    }
    return accepted;
}

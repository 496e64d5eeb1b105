#include "commands/adaptor_exchanges.h"

#include "maintenance/dump_text.h"

namespace commands {
namespace {

bool sendCalibrationMode(AdaptorLink& link, bool on) {
    device::ReportBuffer report{};
    device::writeSetCalibrationMode(report, on);
    return link.send(report, device::kCommandLength);
}

}  // namespace

history::Identity historyIdentity(const AdaptorIdentity& identity) {
    return {identity.productId, identity.product, identity.serialNumber, identity.versionNumber};
}

AdaptorIdentity readIdentity(AdaptorLink& link) {
    AdaptorIdentity identity;
    identity.path = link.interface().path;
    identity.productId = link.productId();
    identity.versionNumber = link.interface().versionNumber;
    identity.manufacturer = link.identityString(hid::IdentityString::Manufacturer).value_or("");
    identity.product = link.identityString(hid::IdentityString::Product).value_or("");
    identity.serialNumber = link.identityString(hid::IdentityString::SerialNumber).value_or("");
    return identity;
}

std::optional<Thresholds> readThresholds(AdaptorLink& link) {
    sendCalibrationMode(link, true);
    device::ReportBuffer report{};
    device::writeRequestSettings(report);
    const bool requested = link.send(report, device::kSettingsReportLength);
    device::ReportBuffer reply{};
    // A short reply leaves settings unknown: they are never taken as zero.
    const bool fetched =
        link.fetch(reply, device::kSettingsReportLength) >= device::kSettingsReportLength;
    sendCalibrationMode(link, false);
    // After a failed request the adaptor may hand out any other pending reply.
    if (!requested || !fetched) {
        return std::nullopt;
    }
    Thresholds thresholds{};
    for (std::size_t address = 0; address < thresholds.size(); ++address) {
        thresholds[address] = reply[device::kSettingsOffset + address];
    }
    return thresholds;
}

WriteOutcome writeThresholds(AdaptorLink& link, const std::vector<Assignment>& assignments) {
    WriteOutcome outcome;
    outcome.before = readThresholds(link);
    const auto count = [&](bool accepted) {
        ++outcome.reportsSent;
        outcome.reportsAccepted += accepted ? 1 : 0;
    };
    count(sendCalibrationMode(link, true));
    for (const Assignment& assignment : assignments) {
        device::ReportBuffer report{};
        device::writeWriteSetting(report, assignment.address, assignment.value);
        count(link.send(report, device::kCommandLength));
    }
    count(sendCalibrationMode(link, false));
    return outcome;
}

std::string readMemoryDump(AdaptorLink& link) {
    device::ReportBuffer request{};
    device::writeRequestMemoryDump(request);
    link.send(request, device::kMemoryBlockReportLength);
    return maintenance::memoryDumpText(link.productId(), [&](device::ReportBuffer& reply) {
        return link.fetch(reply, device::kMemoryBlockReportLength);
    });
}

}  // namespace commands

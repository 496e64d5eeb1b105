#include "commands/adaptor_exchanges.h"

#include "protocol/dump_text.h"
#include "protocol/link_rules.h"

namespace commands {
namespace {

bool sendCalibrationMode(AdaptorLink& link, bool on) {
    protocol::ReportBuffer report{};
    protocol::writeSetCalibrationMode(report, on);
    return link.send(report, protocol::kCommandLength);
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
    protocol::ReportBuffer report{};
    protocol::writeRequestSettings(report);
    const bool requested = link.send(report, protocol::kSettingsReportLength);
    protocol::ReportBuffer reply{};
    const bool fetched = protocol::carriesWholeReply(
        static_cast<std::int64_t>(link.fetch(reply, protocol::kSettingsReportLength)),
        protocol::kSettingsReportLength);
    sendCalibrationMode(link, false);
    // After a failed request the adaptor may hand out any other pending reply.
    if (!requested || !fetched) {
        return std::nullopt;
    }
    return protocol::thresholdsOfReply(reply);
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
        protocol::ReportBuffer report{};
        protocol::writeWriteSetting(report, assignment.address, assignment.value);
        count(link.send(report, protocol::kCommandLength));
    }
    count(sendCalibrationMode(link, false));
    return outcome;
}

std::string readMemoryDump(AdaptorLink& link) {
    protocol::ReportBuffer request{};
    protocol::writeRequestMemoryDump(request);
    link.send(request, protocol::kMemoryBlockReportLength);
    return protocol::memoryDumpText(link.productId(), [&](protocol::ReportBuffer& reply) {
        return link.fetch(reply, protocol::kMemoryBlockReportLength);
    });
}

}  // namespace commands

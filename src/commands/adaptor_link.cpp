#include "commands/adaptor_link.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "protocol/identity_text.h"
#include "protocol/link_rules.h"

namespace commands {

AdaptorLink::~AdaptorLink() {
    hid_.close(featureHandle_);
    hid_.close(inputHandle_);
}

bool AdaptorLink::open(const hid::InterfaceIdentity& candidate) {
    if (featureHandle_ != hid::Handle::None ||
        !protocol::isAcceptedAdaptor(candidate.vendorId, candidate.productId) ||
        !hid_.open(candidate.path, hid::OpenMode::FeatureReports, featureHandle_)) {
        return false;
    }
    attributes_ = hid::Attributes{};
    caps_ = hid::Capabilities{};
    const bool usable = hid_.getAttributes(featureHandle_, attributes_) &&
                        hid_.getCapabilities(featureHandle_, caps_) &&
                        protocol::isUsableAdaptor(attributes_.VendorID, attributes_.ProductID,
                                                  caps_.FeatureReportByteLength);
    if (!usable) {
        hid_.close(featureHandle_);
        return false;
    }
    interface_ = candidate;
    hid_.open(candidate.path, hid::OpenMode::NonBlockingInput, inputHandle_);
    return true;
}

bool AdaptorLink::send(const protocol::ReportBuffer& report, std::size_t lengthNeeded) {
    const std::size_t length =
        protocol::usableFeatureLength(caps_.FeatureReportByteLength, lengthNeeded);
    return length != 0 &&
           hid_.setFeature(featureHandle_, std::span<const std::uint8_t>(report.data(), length));
}

std::size_t AdaptorLink::fetch(protocol::ReportBuffer& reply, std::size_t lengthNeeded) {
    const std::size_t length =
        protocol::usableFeatureLength(caps_.FeatureReportByteLength, lengthNeeded);
    reply[0] = protocol::kReportId;
    std::int32_t bytesRead = 0;
    const bool fetched =
        length != 0 &&
        hid_.getFeature(featureHandle_, std::span<std::uint8_t>(reply.data(), length), bytesRead);
    return fetched ? static_cast<std::size_t>(std::max(bytesRead, 0)) : 0;
}

std::optional<std::string> AdaptorLink::identityString(hid::IdentityString which) {
    // The window asks for 100 bytes too.
    std::array<std::uint8_t, 100> buffer{};
    if (!hid_.getString(inputHandle_, which, buffer)) {
        return std::nullopt;
    }
    return protocol::decodeIdentityString(buffer);
}

bool openFirstAdaptor(hid::HidLayer& hid, AdaptorLink& link) {
    std::vector<hid::InterfaceIdentity> interfaces;
    hid.enumerate(interfaces);
    for (const hid::InterfaceIdentity& candidate : interfaces) {
        if (link.open(candidate)) {
            return true;
        }
    }
    return false;
}

}  // namespace commands

#include "protocol/link_rules.h"

namespace protocol {

bool isUsableFeatureLength(std::size_t featureReportLength) {
    return featureReportLength >= kSettingsReportLength && featureReportLength <= kBufferSize;
}

bool isUsableAdaptor(std::uint16_t vendorId, std::uint16_t productId,
                     std::size_t featureReportLength) {
    return isAcceptedAdaptor(vendorId, productId) && isUsableFeatureLength(featureReportLength);
}

bool carriesWholeReply(std::int64_t bytesRead, std::size_t lengthNeeded) {
    return bytesRead >= static_cast<std::int64_t>(lengthNeeded);
}

Thresholds thresholdsOfReply(const ReportBuffer& reply) {
    Thresholds thresholds{};
    for (std::size_t address = 0; address < thresholds.size(); ++address) {
        thresholds[address] = reply[kSettingsOffset + address];
    }
    return thresholds;
}

}  // namespace protocol

#include "maintenance/upgrade_checks.h"

#include "protocol/adaptor_protocol.h"

namespace maintenance {

std::optional<std::string> upgradeRefusal(const FirmwareImage& image,
                                          std::size_t featureReportLength,
                                          bool adaptorIsSimulated) {
    if (featureReportLength < protocol::kFirmwareChunkReportLength ||
        featureReportLength > protocol::kBufferSize) {
        return "The adaptor's feature reports are " + std::to_string(featureReportLength) +
               " bytes long, but firmware blocks need " +
               std::to_string(protocol::kFirmwareChunkReportLength) + " to " +
               std::to_string(protocol::kBufferSize) + " bytes, so nothing was sent.";
    }
    if (image.bytes.empty() || image.bytes.size() % protocol::kFirmwareChunkPayload != 0) {
        return "The built-in firmware image is " + std::to_string(image.bytes.size()) +
               " bytes long, not a whole number of " +
               std::to_string(protocol::kFirmwareChunkPayload) +
               "-byte blocks, so nothing was sent.";
    }
    if (image.isTestImage && !adaptorIsSimulated) {
        return "This build carries no adaptor firmware, only a test image, so nothing was "
               "sent to the adaptor.";
    }
    return std::nullopt;
}

}  // namespace maintenance

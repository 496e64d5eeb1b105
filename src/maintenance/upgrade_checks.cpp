#include "maintenance/upgrade_checks.h"

#include "i18n/translate.h"
#include "protocol/adaptor_protocol.h"

namespace maintenance {

std::optional<std::string> upgradeRefusal(const FirmwareImage& image,
                                          std::size_t featureReportLength,
                                          bool adaptorIsSimulated) {
    if (featureReportLength < protocol::kFirmwareChunkReportLength ||
        featureReportLength > protocol::kBufferSize) {
        return i18n::arg(i18n::translate("Window",
                                         "The adaptor's feature reports are %1 bytes "
                                         "long, but firmware blocks need %2 to %3 "
                                         "bytes, so nothing was sent."),
                         {std::to_string(featureReportLength),
                          std::to_string(protocol::kFirmwareChunkReportLength),
                          std::to_string(protocol::kBufferSize)});
    }
    if (image.bytes.empty() || image.bytes.size() % protocol::kFirmwareChunkPayload != 0) {
        return i18n::arg(
            i18n::translate("Window",
                            "The built-in firmware image is %1 bytes "
                            "long, not a whole number of %2-byte blocks, "
                            "so nothing was sent."),
            {std::to_string(image.bytes.size()), std::to_string(protocol::kFirmwareChunkPayload)});
    }
    if (image.isTestImage && !adaptorIsSimulated) {
        return i18n::translate("Window",
                               "This build carries no adaptor firmware, only a test "
                               "image, so nothing was sent to the adaptor.");
    }
    return std::nullopt;
}

std::string firmwareWaitStatus(const FirmwareImage& image, bool adaptorIsSimulated) {
    if (image.isTestImage && !adaptorIsSimulated) {
        return i18n::translate("Window",
                               "The adaptor waits for its firmware, but this build carries none "
                               "to send: only a test image.");
    }
    return i18n::arg(i18n::translate("Window",
                                     "The adaptor waits for its firmware: press Upgrade "
                                     "Firmware to send it %1."),
                     {imageDescription(image)});
}

}  // namespace maintenance

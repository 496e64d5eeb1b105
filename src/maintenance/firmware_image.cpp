#include "maintenance/firmware_image.h"

#include "i18n/translate.h"
#include "resources/built_in_firmware.h"

namespace maintenance {

FirmwareImage builtInFirmwareImage() {
    return FirmwareImage{resources::builtInFirmwareBytes(), resources::builtInFirmwareIsTestImage(),
                         resources::builtInFirmwareDigest()};
}

std::string imageDescription(const FirmwareImage& image) {
    // Eight digits tell images apart as a version would.
    constexpr std::size_t kDigestShown = 8;
    const std::string size = std::to_string(image.bytes.size());
    if (image.isTestImage) {
        return i18n::arg(
            i18n::translate("Window", "the program's test image (%1 bytes), not adaptor firmware"),
            {size});
    }
    return i18n::arg(i18n::translate("Window", "the built-in firmware (%1 bytes, SHA-256 %2)"),
                     {size, std::string(image.digest.substr(0, kDigestShown))});
}

}  // namespace maintenance

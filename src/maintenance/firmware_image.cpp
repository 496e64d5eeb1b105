#include "maintenance/firmware_image.h"

#include "resources/built_in_firmware.h"

namespace maintenance {

FirmwareImage builtInFirmwareImage() {
    return FirmwareImage{resources::builtInFirmwareBytes(),
                         resources::builtInFirmwareIsTestImage()};
}

}  // namespace maintenance

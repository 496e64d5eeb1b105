#include "monitor/gear_caption.h"

namespace monitor {

std::optional<std::string> gearCaption(std::uint8_t gearMask, std::uint8_t flag) {
    switch (gearMask) {
        case 0x00:
            return flag != 0 ? "-" : "N";
        case 0x01:
            return "1";
        case 0x02:
            return "2";
        case 0x04:
            return "3";
        case 0x08:
            return "4";
        case 0x10:
            return "5";
        case 0x20:
            return "6";
        case 0x40:
            return "R";
        case 0x80:
            return "+";
        default:
            return std::nullopt;
    }
}

}  // namespace monitor

#include "protocol/gear.h"

#include <bit>

namespace protocol {

std::optional<Gear> gearOf(std::uint8_t gearMask) {
    if (gearMask == 0) {
        return Gear::Neutral;
    }
    // Exactly one bit: bit 0 is 1st ... bit 5 is 6th, bit 6 reverse, bit 7 "+".
    if (!std::has_single_bit(gearMask)) {
        return std::nullopt;
    }
    return static_cast<Gear>(std::countr_zero(gearMask) + 1);
}

std::optional<Gear> gearOf(std::uint8_t gearMask, std::uint8_t flag) {
    return gearMask == 0 && flag != 0 ? Gear::Minus : gearOf(gearMask);
}

}  // namespace protocol

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "assistant/gear.h"

namespace assistant {

// The gear last reported at every (X, Y) position of one of the adaptor's modes.
class GearMap {
  public:
    static constexpr int kSide = 256;

    GearMap() { clear(); }
    void clear() { cells_.fill(kNone); }
    void set(std::uint8_t x, std::uint8_t y, Gear gear) {
        cells_[index(x, y)] = static_cast<std::uint8_t>(indexOf(gear));
    }
    std::optional<Gear> at(std::uint8_t x, std::uint8_t y) const {
        const std::uint8_t cell = cells_[index(x, y)];
        return cell == kNone ? std::nullopt : std::optional<Gear>(static_cast<Gear>(cell));
    }
    // The ink of a point: its gear's, or the plain trace's where no gear was reported.
    std::uint8_t inkAt(std::uint8_t x, std::uint8_t y) const {
        const std::uint8_t cell = cells_[index(x, y)];
        return cell == kNone ? kTraceInk : static_cast<std::uint8_t>(kFirstGearInk + cell);
    }

  private:
    static constexpr std::uint8_t kNone = 0xFF;
    static constexpr std::size_t index(std::uint8_t x, std::uint8_t y) {
        return static_cast<std::size_t>(x) * kSide + y;
    }
    std::array<std::uint8_t, kSide * kSide> cells_;
};

}  // namespace assistant

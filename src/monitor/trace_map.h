#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "protocol/gear.h"

namespace monitor {

// Every (X, Y) position reported in one of the adaptor's modes, 256 x 256, with the gear
// last reported there.
class TraceMap {
  public:
    static constexpr int kSide = 256;

    void clear() { cells_.fill(kUnvisited); }
    // A report at (x, y); a point keeps the last gear reported at it.
    void visit(std::uint8_t x, std::uint8_t y, std::optional<protocol::Gear> gear) {
        std::uint8_t& cell = cells_[index(x, y)];
        if (gear) {
            cell = static_cast<std::uint8_t>(kFirstGear + protocol::indexOf(*gear));
        } else if (cell == kUnvisited) {
            cell = kNoGear;
        }
    }
    bool isVisited(std::uint8_t x, std::uint8_t y) const {
        return cells_[index(x, y)] != kUnvisited;
    }
    std::optional<protocol::Gear> gearAt(std::uint8_t x, std::uint8_t y) const {
        const std::uint8_t cell = cells_[index(x, y)];
        return cell < kFirstGear
                   ? std::nullopt
                   : std::optional<protocol::Gear>(static_cast<protocol::Gear>(cell - kFirstGear));
    }
    // The ink of a point: its gear's, or the plain trace's where no gear was reported.
    std::uint8_t inkAt(std::uint8_t x, std::uint8_t y) const {
        const std::optional<protocol::Gear> gear = gearAt(x, y);
        return gear ? protocol::inkOf(*gear) : protocol::kTraceInk;
    }

  private:
    static constexpr std::uint8_t kUnvisited = 0;
    static constexpr std::uint8_t kNoGear = 1;
    static constexpr std::uint8_t kFirstGear = 2;
    static constexpr std::size_t index(std::uint8_t x, std::uint8_t y) {
        return static_cast<std::size_t>(x) * kSide + y;
    }
    std::array<std::uint8_t, kSide * kSide> cells_{};
};

}  // namespace monitor

#pragma once

#include <array>
#include <cstdint>

namespace monitor {

// Every (X, Y) position reported in one of the adaptor's modes, 256 x 256.
class VisitedMap {
  public:
    static constexpr int kSide = 256;

    void clear() { cells_.fill(false); }
    void mark(std::uint8_t x, std::uint8_t y) { cells_[index(x, y)] = true; }
    bool isMarked(std::uint8_t x, std::uint8_t y) const { return cells_[index(x, y)]; }

  private:
    static constexpr std::size_t index(std::uint8_t x, std::uint8_t y) {
        return static_cast<std::size_t>(x) * kSide + y;
    }
    std::array<bool, kSide * kSide> cells_{};
};

}  // namespace monitor

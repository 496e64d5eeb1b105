#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "window/toolkit/controls.h"

namespace monitor {

// The names a screen reader says for the plot and the two readouts, which carry the
// lever's position. A moving lever renames them on nearly every report, so the patterns
// are looked up in the translations once, and again only when the translator changed.
class LeverNames {
  public:
    void name(toolkit::PictureBox& graph, toolkit::Label& x, toolkit::Label& y);

  private:
    // The translator's change count when looked up; none before the first look.
    std::optional<std::uint64_t> lookedAt_;
    std::string position_;
    std::string x_;
    std::string y_;
};

}  // namespace monitor

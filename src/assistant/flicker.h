#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>

#include "assistant/steps.h"
#include "assistant/threshold.h"
#include "protocol/gear.h"

namespace assistant {

using protocol::Gear;

// A gear change that came back within kComeBack: 3, N, 3 at a boundary.
struct Flicker {
    std::int64_t atMilliseconds = 0;
    Point place;  // where the lever left the gear it came back to
};

// Counts flickers in the gears of displayed reports. Time is the caller's clock in
// milliseconds; it never runs backwards.
class FlickerCounter {
  public:
    static constexpr std::int64_t kComeBack = 100;
    static constexpr std::int64_t kWindow = 60'000;  // "in the last minute"

    void observe(Gear gear, Point place, std::int64_t nowMilliseconds);
    // Forgets the gear sequence, as after a pause in the reports.
    void restart() { current_.reset(); }
    // Forgets the gear sequence and every flicker: after a change of mode they lie on
    // the other mode's plot, near the other mode's thresholds.
    void forget() {
        restart();
        flickers_.clear();
    }

    // Flickers in the last minute up to `nowMilliseconds`, oldest first.
    const std::deque<Flicker>& recent(std::int64_t nowMilliseconds);

  private:
    void forgetBefore(std::int64_t nowMilliseconds);

    std::optional<Gear> current_;
    std::optional<Gear> previous_;
    std::int64_t changedAt_ = 0;
    Point changedAtPlace_;
    std::deque<Flicker> flickers_;
};

// "4 flickers near V2 at X 172 in the last minute": the count, and the threshold
// nearest the newest flicker with its place on that threshold's axis.
std::string flickerSummary(const std::deque<Flicker>& flickers,
                           std::span<const ThresholdAt> thresholds);

}  // namespace assistant

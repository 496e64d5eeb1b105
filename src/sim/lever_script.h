#pragma once

#include <chrono>
#include <vector>

#include "sim/adaptor_model.h"

// A scripted lever motion: waypoints visited in a loop, moving in straight lines.
namespace sim {

struct Waypoint {
    LeverPosition position;
    std::chrono::milliseconds travel;  // time to reach this point from the previous one
};

class LeverScript {
  public:
    explicit LeverScript(std::vector<Waypoint> waypoints);

    // Where the lever is `elapsed` after the script started (loops forever).
    LeverPosition positionAt(std::chrono::microseconds elapsed) const;
    std::chrono::microseconds period() const { return period_; }

    // Through neutral into each of the six H-pattern gears, about two seconds a round,
    // placed for the factory thresholds.
    static LeverScript hPatternTour();
    // Pushes and pulls of a sequential lever.
    static LeverScript sequentialTour();
    // The demo: a few rounds of the H-pattern, then a while in sequential mode.
    static LeverScript demoTour();
    // The lever held still.
    static LeverScript holdAt(LeverPosition position);

  private:
    std::vector<Waypoint> waypoints_;
    std::chrono::microseconds period_{0};
};

}  // namespace sim

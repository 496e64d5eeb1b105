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
    // Every position shakes by up to `units` in X and Y, the same way at the same time.
    void setNoise(int units);
    std::chrono::microseconds period() const { return period_; }

    // Through neutral into each of the six H-pattern gears, about two seconds a round,
    // placed for the factory thresholds.
    static LeverScript hPatternTour();
    // Pushes and pulls of a sequential lever.
    static LeverScript sequentialTour();
    // The demo: about half a minute of H-pattern rounds, then as long in sequential mode.
    static LeverScript demoTour();
    // The lever held still.
    static LeverScript holdAt(LeverPosition position);

  private:
    LeverPosition pathAt(std::chrono::microseconds elapsed) const;
    LeverPosition shaken(LeverPosition position, std::chrono::microseconds elapsed) const;

    std::vector<Waypoint> waypoints_;
    // When the lever reaches each waypoint after the first, and the first again last,
    // counted from the start of a round: a position is found by a binary search.
    std::vector<std::chrono::microseconds> arrivals_;
    int noise_ = 0;
    std::chrono::microseconds period_{0};
};

}  // namespace sim

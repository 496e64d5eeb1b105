#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "sim/lever_script.h"

// A lever that follows the calibration assistant's steps, in gates placed anywhere, so
// that the factory thresholds can be made to misread it.
namespace sim {

// The X of each column's gates; the factory thresholds suit 40, 128 and 215.
struct GatePlacement {
    std::uint8_t left = 40;
    std::uint8_t middle = 128;
    std::uint8_t right = 215;
};

// When, in script time, the lever is doing what one step asks.
struct StepWindow {
    std::chrono::milliseconds from{0};
    std::chrono::milliseconds to{0};
};

struct AssistantLever {
    LeverScript script;
    std::vector<StepWindow> steps;
};

// Along neutral from far left to far right, then into 1st to 6th, each moved around in
// its gate; `steps` in that order (neutral, 1st ... 6th). Loops.
AssistantLever assistantHPatternLever(GatePlacement gates, int noise);
// Resting, pushed to +, pulled to -; `steps` in that order. Loops.
AssistantLever assistantSequentialLever(int noise);

}  // namespace sim

#pragma once

#include "sim/assistant_lever.h"
#include "sim/simulated_bus.h"

// The demo mode: one simulated adaptor on the bus, its lever touring the gears on its
// own as real time passes.
namespace sim {

// How the demo lever moves.
struct DemoLever {
    enum class Motion {
        Tour,                 // through the gears of both modes
        Assistant,            // the calibration assistant's H-pattern steps
        AssistantSequential,  // the assistant's sequential steps
    };
    Motion motion = Motion::Tour;
    // Where the assistant's H-pattern lever has its gates: by default the middle
    // column sits where the factory V2 reads some of 3rd as 5th.
    sim::GatePlacement gates{40, 165, 215};
    int noise = 0;  // units of shake in X and Y
};

sim::DeviceId startDemoAdaptor(sim::SimulatedBus& bus, const sim::AdaptorIdentity& identity,
                               double reportRateHz, const DemoLever& lever = {});

}  // namespace sim

#pragma once

#include "sim/simulated_bus.h"

// The demo mode: one simulated adaptor on the bus, its lever touring the gears on its
// own as real time passes.
namespace qtui {

sim::DeviceId startDemoAdaptor(sim::SimulatedBus& bus, const sim::AdaptorIdentity& identity,
                               double reportRateHz);

}  // namespace qtui

#include "sim/demo_adaptor.h"

#include <chrono>

#include "protocol/products.h"

namespace sim {

namespace {

sim::LeverScript scriptFor(const DemoLever& lever) {
    switch (lever.motion) {
        case DemoLever::Motion::Assistant:
            return sim::assistantHPatternLever(lever.gates, lever.noise).script;
        case DemoLever::Motion::AssistantSequential:
            return sim::assistantSequentialLever(lever.noise).script;
        case DemoLever::Motion::Tour:
            break;
    }
    sim::LeverScript tour = sim::LeverScript::demoTour();
    tour.setNoise(lever.noise);
    return tour;
}

}  // namespace

sim::DeviceId startDemoAdaptor(sim::SimulatedBus& bus, const sim::AdaptorIdentity& identity,
                               double reportRateHz, const DemoLever& lever) {
    const auto start = std::chrono::steady_clock::now();
    bus.setClock([start] {
        return std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
    });
    const sim::DeviceId adaptor = bus.addAdaptor(identity);
    // The firmware loader has no lever to report.
    if (protocol::reportsLever(protocol::signExtendedProduct(identity.productId)) &&
        reportRateHz > 0) {
        bus.runScript(adaptor, scriptFor(lever), reportRateHz);
    }
    return adaptor;
}

}  // namespace sim

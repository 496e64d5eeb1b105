// The trace coloured by gear: each visited point in the ink of the gear reported there.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "protocol/gear.h"
#include "support/window_fixture.h"

namespace {

using namespace std::chrono_literals;

class GearTrace : public WindowTest {
  protected:
    void SetUp() override {
        adaptor = bus.addAdaptor();
        loadWindow();
    }
    void tour() {
        bus.runScript(adaptor, sim::LeverScript::hPatternTour(), 125);
        const auto end = bus.now() + sim::LeverScript::hPatternTour().period();
        while (bus.now() < end) {
            bus.advance(10ms);
            createdWindow->Timer_Timer();
        }
    }
    // The pixel the window draws a position at (the pen's last pixel).
    int pixelX(int x) const {
        return static_cast<int>(
            x / 255.0 * createdWindow->Graph.ScaleWidth() / toolkit::kTwipsPerPixel + 0.5);
    }
    int pixelY(int y) const {
        return static_cast<int>(
            (255 - y) / 255.0 * createdWindow->Graph.ScaleHeight() / toolkit::kTwipsPerPixel + 0.5);
    }
    // The ink of the gear the adaptor reports there: neutral 2, then 1st to 6th 3 to 8.
    std::uint8_t expectedInk(std::uint8_t x, std::uint8_t y) const {
        static const std::map<std::uint8_t, std::uint8_t> kInkOfGearMask = {
            {0x00, 2}, {0x01, 3}, {0x02, 4}, {0x04, 5}, {0x08, 6}, {0x10, 7}, {0x20, 8}};
        return kInkOfGearMask.at(factoryAdaptor.gearFor({x, y, false}).gearMask);
    }
    // Visited points whose neighbours all read the same gear: nothing overdraws them.
    template <typename Check>
    int forEachInnerPoint(Check check) {
        int checked = 0;
        for (int x = 1; x < 255; ++x) {
            for (int y = 1; y < 255; ++y) {
                const auto cx = static_cast<std::uint8_t>(x);
                const auto cy = static_cast<std::uint8_t>(y);
                if (!createdWindow->traceHPattern.isVisited(cx, cy) || !sameGearAround(cx, cy)) {
                    continue;
                }
                check(cx, cy);
                ++checked;
            }
        }
        return checked;
    }
    bool sameGearAround(std::uint8_t x, std::uint8_t y) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const auto nx = static_cast<std::uint8_t>(x + dx);
                const auto ny = static_cast<std::uint8_t>(y + dy);
                if (createdWindow->traceHPattern.isVisited(nx, ny) &&
                    expectedInk(nx, ny) != expectedInk(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
    sim::DeviceId adaptor = 0;
    const sim::AdaptorModel factoryAdaptor;  // the simulated adaptor's thresholds
};

TEST_F(GearTrace, AfterATourEveryVisitedPointIsDrawnInItsGearsColour) {
    createdWindow->ShowTraceByGear(true);
    tour();
    std::set<int> inks;
    const int checked = forEachInnerPoint([&](std::uint8_t x, std::uint8_t y) {
        EXPECT_EQ(createdWindow->Graph.inkAt(pixelX(x), pixelY(y)), expectedInk(x, y))
            << "at " << int(x) << ", " << int(y);
        inks.insert(createdWindow->Graph.inkAt(pixelX(x), pixelY(y)));
    });
    EXPECT_GT(checked, 100);
    EXPECT_EQ(inks.size(), 7u);  // neutral and the six gears
    // No drawn pixel keeps the plain ink.
    for (const std::uint8_t ink : createdWindow->Graph.raster()) {
        EXPECT_NE(ink, protocol::kTraceInk);
    }
}

TEST_F(GearTrace, TheViewOptionRedrawsTheWholeTraceEitherWay) {
    tour();
    const std::vector<std::uint8_t> plain = createdWindow->Graph.raster();
    for (const std::uint8_t ink : plain) {
        EXPECT_LE(ink, protocol::kTraceInk);  // off by default
    }
    createdWindow->ShowTraceByGear(true);
    forEachInnerPoint([&](std::uint8_t x, std::uint8_t y) {
        EXPECT_EQ(createdWindow->Graph.inkAt(pixelX(x), pixelY(y)), expectedInk(x, y));
    });
    createdWindow->ShowTraceByGear(false);
    EXPECT_EQ(createdWindow->Graph.raster(), plain);
}

}  // namespace

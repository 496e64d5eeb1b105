// What one displayed report costs the window, against the plain full redraw of the
// visited map on every report that the incremental plot replaces.
#include <benchmark/benchmark.h>

#include <memory>

#include "assistant/assistant.h"
#include "sim/simulated_bus.h"
#include "support/recording_toolkit.h"
#include "window/frm_main.h"

namespace {

// A window connected to a simulated adaptor, its call log off so memory stays flat.
struct ConnectedWindow {
    // `byGear`: the trace coloured by gear and the assistant recording a step.
    explicit ConnectedWindow(bool fullMaps, bool byGear = false) {
        adaptor = bus.addAdaptor();
        WindowOptions options;
        options.adaptorIsSimulated = true;
        window = std::make_unique<frmMain>(bus, toolkit, options);
        window->Form_Load();
        if (fullMaps) {
            for (int x = 0; x < monitor::TraceMap::kSide; ++x) {
                for (int y = 0; y < monitor::TraceMap::kSide; ++y) {
                    window->traceHPattern.visit(static_cast<std::uint8_t>(x),
                                                static_cast<std::uint8_t>(y), std::nullopt);
                    window->traceSequential.visit(static_cast<std::uint8_t>(x),
                                                  static_cast<std::uint8_t>(y), std::nullopt);
                }
            }
        }
        if (byGear) {
            window->ShowTraceByGear(true);
            window->attach(assistant);
            assistant.recording(assistant::Mode::HPattern).start(assistant::Step::Neutral);
        }
        show(0, 0, false);  // the first report draws the whole map once
    }

    assistant::Assistant assistant;  // attached only when `byGear`
    void show(std::uint8_t x, std::uint8_t y, bool sequential) {
        bus.queueLever(adaptor, {x, y, sequential});
        window->Timer_Timer();
    }

    sim::SimulatedBus bus;
    RecordingToolkit toolkit;
    std::unique_ptr<frmMain> window;
    sim::DeviceId adaptor = 0;
};

void displayReports(benchmark::State& state, bool fullMaps, bool byGear = false) {
    ConnectedWindow connected(fullMaps, byGear);
    std::uint8_t step = 0;
    for (auto _ : state) {
        ++step;
        connected.show(step, static_cast<std::uint8_t>(step * 7), false);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DisplayedReportFullMaps(benchmark::State& state) {
    displayReports(state, true);
}
void BM_DisplayedReportEmptyMaps(benchmark::State& state) {
    displayReports(state, false);
}
void BM_DisplayedReportFullMapsByGearWithAssistant(benchmark::State& state) {
    displayReports(state, true, true);
}

// Every report a mode change: the plot is erased and the whole map drawn again.
void BM_ModeChangeRedrawFullMap(benchmark::State& state) {
    ConnectedWindow connected(true);
    bool sequential = false;
    for (auto _ : state) {
        sequential = !sequential;
        connected.show(10, 10, sequential);
    }
}

// The reference: a scan of all 65,536 cells and a point drawn for each marked one, as
// a redraw on every report would cost with a fully marked map.
void BM_FullRedrawReference(benchmark::State& state) {
    ConnectedWindow connected(true);
    frmMain& window = *connected.window;
    for (auto _ : state) {
        for (int x = 0; x < monitor::TraceMap::kSide; ++x) {
            for (int y = 0; y < monitor::TraceMap::kSide; ++y) {
                if (window.traceHPattern.isVisited(static_cast<std::uint8_t>(x),
                                                   static_cast<std::uint8_t>(y))) {
                    window.Graph.PSet(
                        static_cast<float>(x / 255.0 * window.Graph.ScaleWidth()),
                        static_cast<float>((255 - y) / 255.0 * window.Graph.ScaleHeight()));
                }
            }
        }
        benchmark::DoNotOptimize(window.Graph.raster().data());
    }
}

}  // namespace

BENCHMARK(BM_DisplayedReportFullMaps);
BENCHMARK(BM_DisplayedReportEmptyMaps);
BENCHMARK(BM_DisplayedReportFullMapsByGearWithAssistant);
BENCHMARK(BM_ModeChangeRedrawFullMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedrawReference)->Unit(benchmark::kMicrosecond);

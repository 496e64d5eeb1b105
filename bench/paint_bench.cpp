// What the front end costs to paint, offscreen at 96 dpi: the whole window with the
// plot full of trace, and one poll tick's worth of new reports brought to the screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "gui/form/form_widget.h"
#include "gui/form/load_window.h"
#include "gui/form/qt_toolkit.h"
#include "sim/simulated_bus.h"
#include "window/frm_main.h"

namespace {

// A window on a simulated adaptor, loaded and shown as the program shows it; the
// benchmarks run its ticks themselves.
struct ShownWindow {
    ShownWindow()
        : adaptor(bus.addAdaptor()), window(bus, toolkit, simulatedOptions()), widget(window) {
        gui::loadAndShow(window, widget, toolkit);
        window.Timer.Enabled = false;
        widget.syncFromModel();
    }
    ~ShownWindow() { window.Unload(); }
    static WindowOptions simulatedOptions() {
        WindowOptions options;
        options.adaptorIsSimulated = true;
        return options;
    }

    sim::SimulatedBus bus;
    sim::DeviceId adaptor;
    gui::QtToolkitServices toolkit;
    frmMain window;
    gui::FormWidget widget;
};

void BM_PaintWholeWindow(benchmark::State& state) {
    ShownWindow shown;
    auto& [bus, adaptor, toolkit, window, widget] = shown;
    for (int i = 0; i < 2000; ++i) {  // a trace across the plot
        bus.queueLever(adaptor,
                       {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i), false});
        window.Timer_Timer();
    }
    widget.syncFromModel();
    QImage frame(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        frame.fill(Qt::white);
        QPainter painter(&frame);
        widget.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

// A tick that reads ten reports (1000 reports a second) and the frame that shows them:
// the widgets brought up to date and the window's pending paint done and flushed.
void BM_TickThenFrame(benchmark::State& state) {
    ShownWindow shown;
    auto& [bus, adaptor, toolkit, window, widget] = shown;
    QCoreApplication::processEvents();
    std::uint32_t step = 0;
    for (auto _ : state) {
        for (int report = 0; report < 10; ++report, ++step) {
            // A slow circle, as a hand moves the lever.
            bus.queueLever(adaptor, {static_cast<std::uint8_t>(128 + (step / 4 % 200) - 100),
                                     static_cast<std::uint8_t>(60 + step / 8 % 130), false});
        }
        window.Timer_Timer();
        widget.syncFromModel();
        QCoreApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_PaintWholeWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickThenFrame)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

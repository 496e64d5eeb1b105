// What the front end costs to paint the whole window, offscreen at 96 dpi, with the
// plot full of trace.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "qt/form_widget.h"
#include "qt/qt_toolkit.h"
#include "sim/simulated_bus.h"
#include "window/frm_main.h"

namespace {

void BM_PaintWholeWindow(benchmark::State& state) {
    sim::SimulatedBus bus;
    const sim::DeviceId adaptor = bus.addAdaptor();
    qtui::QtToolkitServices toolkit;
    WindowOptions options;
    options.adaptorIsSimulated = true;
    frmMain window(bus, toolkit, options);
    qtui::FormWidget widget(window);
    toolkit.setMainWidget(&widget);
    window.Form_Load();
    for (int i = 0; i < 2000; ++i) {  // a trace across the plot
        bus.queueLever(adaptor,
                       {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i), false});
        window.Timer_Timer();
    }
    widget.syncFromModel();
    widget.show();
    QImage frame(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        frame.fill(Qt::white);
        QPainter painter(&frame);
        widget.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    window.Unload();
}

}  // namespace

BENCHMARK(BM_PaintWholeWindow)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// What a running recording's save costs the thread that makes the calls, the window's:
// the text handed to the writer's own thread, against writing it there and then, for
// recordings of 1 and 10 MB and one near the 50 MB limit.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <vector>

#include "recording/recording_layer.h"
#include "sim/simulated_bus.h"
#include "storage/atomic_file.h"
#include "storage/latest_file_writer.h"

namespace {

constexpr std::chrono::seconds kSaveEvery(5);

// Fills a recording to `megabytes` of enumerations, then measures the call that
// saves it: every iteration's call comes five seconds after the one before.
void measureSave(benchmark::State& state, const recording::RecordingLayer::Saver& saver) {
    sim::SimulatedBus bus;
    bus.addAdaptor();
    std::chrono::microseconds now{0};
    recording::RecordingOptions options;
    options.saveEvery = kSaveEvery;
    recording::RecordingLayer layer(bus, {}, saver, options, [&now] { return now; });
    std::vector<hid::InterfaceIdentity> listed;
    while (layer.isRecording() && layer.size() < static_cast<std::size_t>(state.range(0)) << 20) {
        layer.enumerate(listed);
    }
    for (auto _ : state) {
        now += kSaveEvery;
        layer.enumerate(listed);
    }
    state.SetLabel(std::to_string(layer.size() >> 20) + " MB");
}

void BM_SaveOnTheCallersThread(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("session.rec"));
    measureSave(state, [&path](std::string text) {
        QString error;
        storage::writeFileAtomically(path, QByteArray::fromStdString(text), error);
    });
}

void BM_SaveHandedToTheWriter(benchmark::State& state) {
    QTemporaryDir folder;
    storage::LatestFileWriter writer(folder.filePath(QStringLiteral("session.rec")));
    measureSave(state, [&writer](std::string text) { writer.writeLater(std::move(text)); });
    writer.waitUntilWritten();
}

BENCHMARK(BM_SaveOnTheCallersThread)->Arg(1)->Arg(10)->Arg(47)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveHandedToTheWriter)->Arg(1)->Arg(10)->Arg(47)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "recording/recording_layer.h"

// A session recorded in a test: `session` runs on `inner` through the recording layer,
// whose clock moves one millisecond a call. Returns the saved text.
inline std::string recordSession(hid::HidLayer& inner,
                                 const std::function<void(hid::HidLayer&)>& session,
                                 recording::RecordingOptions options = {}) {
    std::string saved;
    std::int64_t now = 0;
    recording::Header header;
    header.program = "shifter-calibration test session";
    header.platform = "simulated";
    header.date = "2026-12-09T00:00:00Z";
    recording::RecordingLayer layer(
        inner, header, [&](const std::string& text) { saved = text; }, options,
        [&] { return std::chrono::microseconds(now += 1000); });
    session(layer);
    layer.finish();
    return saved;
}

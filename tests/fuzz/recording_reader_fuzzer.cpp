// Any bytes as a session recording: the reader accepts or refuses them with a sentence,
// what it accepts writes back as the same recording, and plays as an adaptor and in
// strict replay without harm.
#include <chrono>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_target.h"
#include "recording/recorded_adaptor.h"
#include "recording/recording_text.h"
#include "recording/strict_replay.h"

namespace {

std::string written(const recording::Recording& recording) {
    std::string text = recording::headerLine(recording.header);
    for (const recording::Call& call : recording.calls) {
        text += recording::callLines(call);
    }
    return text + recording::endLine(0, recording.end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const recording::ReadResult read = recording::readRecording(text);
    fuzzCheck(read.recording.has_value() != !read.error.empty(), "a recording or a reason");
    if (!read.recording) {
        return 0;
    }
    const std::string once = written(*read.recording);
    const recording::ReadResult again = recording::readRecording(once);
    fuzzCheck(again.recording && written(*again.recording) == once, "it writes back as read");

    recording::StrictReplay replay(*read.recording);
    commands::readCommand(replay, nullptr);
    std::string error;
    if (const auto device = recording::recordedDevice(*read.recording, error)) {
        recording::RecordedAdaptor adaptor(*device, [] { return std::chrono::seconds(1); });
        commands::readCommand(adaptor, nullptr);
        commands::dumpCommand(adaptor, nullptr);
    }
    return 0;
}

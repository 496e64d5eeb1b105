// Recorded sessions: the recording layer changes nothing and writes down every call,
// the reader refuses what is not a whole recording, strict replay names the first call
// that differs, and a recording plays as an adaptor.
#include <gtest/gtest.h>

#include "commands/commands.h"
#include "recording/recorded_adaptor.h"
#include "recording/recording_text.h"
#include "recording/strict_replay.h"
#include "recording_session.h"
#include "sim/simulated_bus.h"
#include "support/fault_injecting_layer.h"

namespace {

recording::Recording parsedRecording(const std::string& text) {
    recording::ReadResult read = recording::readRecording(text);
    if (!read.recording) {
        ADD_FAILURE() << read.error;
        return {};
    }
    return std::move(*read.recording);
}

commands::WriteRequest writeOf(const char* assignments) {
    commands::WriteRequest request;
    request.assignments = commands::parseAssignments(assignments);
    return request;
}

const auto kWriteV1 = [](hid::HidLayer& hid) {
    commands::writeCommand(hid, writeOf("V1=90"), nullptr);
};

TEST(RecordingLayer, ChangesNothingAndWritesDownEveryCallAsItWent) {
    sim::SimulatedBus plain;
    plain.addAdaptor();
    const commands::CommandOutput unrecorded =
        commands::writeCommand(plain, writeOf("V1=90"), nullptr);

    sim::SimulatedBus bus;
    bus.addAdaptor();
    support::FaultInjectingLayer logged(bus);
    commands::CommandOutput recorded;
    const std::string text = recordSession(logged, [&](hid::HidLayer& hid) {
        recorded = commands::writeCommand(hid, writeOf("V1=90"), nullptr);
    });
    EXPECT_EQ(recorded.out, unrecorded.out);
    EXPECT_EQ(bus.featureReportsReceived(0), plain.featureReportsReceived(0));

    const recording::Recording session = parsedRecording(text);
    ASSERT_EQ(session.calls.size(), logged.log().size());
    for (std::size_t i = 0; i < session.calls.size(); ++i) {
        const recording::Call& call = session.calls[i];
        const support::CallRecord& made = logged.log()[i];
        SCOPED_TRACE(recording::describe(call));
        EXPECT_EQ(call.kind, made.kind);
        EXPECT_EQ(call.handle, static_cast<std::uint32_t>(made.handle));
        EXPECT_EQ(call.ok, made.result);
        EXPECT_EQ(call.timeUs, static_cast<std::int64_t>(i + 1) * 1000);
        if (call.kind == recording::CallKind::SetFeature) {
            EXPECT_EQ(call.sent, made.bytes);
        } else if (call.kind == recording::CallKind::GetFeature) {
            EXPECT_EQ(call.reply, made.bytes);
        }
    }
    EXPECT_EQ(session.end, "stopped");
}

TEST(RecordingLayer, AnonymousRecordingsHideTheSerialAndPathsAndLimitsStopIt) {
    sim::SimulatedBus bus;
    bus.addAdaptor();
    recording::RecordingOptions anonymous;
    anonymous.anonymous = true;
    const std::string hidden = recordSession(
        bus, [](hid::HidLayer& hid) { commands::readCommand(hid, nullptr); }, anonymous);
    EXPECT_EQ(hidden.find("sim:0"), std::string::npos);
    std::string error;
    const auto device = recording::recordedDevice(parsedRecording(hidden), error);
    ASSERT_TRUE(device) << error;
    EXPECT_EQ(device->identity.serialNumber, u"ANONYMOUS");
    EXPECT_EQ(device->path, "device-1");

    recording::RecordingOptions small;
    small.sizeLimit = 1500;
    const std::string cut = recordSession(bus, kWriteV1, small);
    EXPECT_LE(cut.size(), small.sizeLimit);
    EXPECT_EQ(parsedRecording(cut).end, "size limit");
}

TEST(RecordingLayer, StartedLaterBeginsWithHowTheConnectionWasMade) {
    sim::SimulatedBus bus;
    const sim::DeviceId id = bus.addAdaptor(sim::miradIdentity());
    for (int i = 0; i < 3; ++i) {
        bus.queueLever(id, {});
    }
    recording::RecordingOptions idle;
    idle.startIdle = true;
    std::string saved;
    std::chrono::microseconds now(0);
    recording::RecordingLayer layer(
        bus, {}, [&](const std::string& text) { saved = text; }, idle, [&] { return now; });
    std::vector<hid::InterfaceIdentity> listed;
    hid::Handle handle{};
    std::uint8_t buffer[8] = {};
    std::int32_t count = 0;
    layer.enumerate(listed);
    layer.open("sim:0", hid::OpenMode::NonBlockingInput, handle);
    layer.readInput(handle, buffer, count);  // the connection's made: not kept
    layer.readInput(handle, buffer, count);
    EXPECT_EQ(saved, "");
    // Started 195 s into the program, it counts from its own start.
    now = std::chrono::seconds(195);
    layer.start(true);
    now += std::chrono::milliseconds(500);
    layer.readInput(handle, buffer, count);
    layer.finish();

    const recording::Recording session = parsedRecording(saved);
    ASSERT_EQ(session.calls.size(), 3u);
    EXPECT_EQ(session.calls[0].kind, recording::CallKind::Enumerate);
    EXPECT_EQ(session.calls[1].kind, recording::CallKind::Open);
    EXPECT_EQ(session.calls[1].path, "device-1");  // made before, made anonymous at the start
    EXPECT_EQ(session.calls[2].kind, recording::CallKind::ReadInput);
    EXPECT_EQ(session.calls[0].timeUs, 0);
    EXPECT_EQ(session.calls[2].timeUs, 500'000);
    std::string error;
    const auto device = recording::recordedDevice(session, error);
    ASSERT_TRUE(device) << error;
    EXPECT_EQ(device->identity.productId, protocol::kMirad);
}

TEST(RecordingReader, RefusesWhatIsNotAWholeRecordingInOneSentence) {
    sim::SimulatedBus bus;
    bus.addAdaptor();
    const std::string good = recordSession(bus, kWriteV1);
    const std::size_t lastLine = good.rfind('\n', good.size() - 2) + 1;
    const std::size_t feature = good.find("\"reply\":\"00");
    std::string badHex = good;
    badHex.replace(feature + 9, 2, "zz");
    std::string longReply = good;
    longReply.replace(good.find("\"length\":65", feature - 60), 11, "\"length\":2");
    std::string future = good;
    future.replace(future.find("\"version\":1"), 11, "\"version\":2");
    const struct {
        const char* what;
        std::string text;
        const char* error;
    } cases[] = {
        {"empty", "", "The recording is empty."},
        {"not a recording", "{\"hello\":1}\n", "This is not a session recording"},
        {"not an object", "hello\n", "damaged at line 1."},
        {"future version", future, "format version 2, newer than the version 1"},
        {"cut mid-line", good.substr(0, good.size() / 2), "cut short"},
        {"no closing line", good.substr(0, lastLine), "cut short"},
        {"a line after the end", good + good.substr(lastLine), "damaged at line"},
        {"bad hex", badHex, "damaged at line"},
        {"reply longer than its buffer", longReply, "damaged at line"},
        {"oversized", std::string(recording::kSizeLimit + 1, ' '), "larger than the 50 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const recording::ReadResult read = recording::readRecording(c.text);
        EXPECT_FALSE(read.recording);
        EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
        EXPECT_EQ(read.error.find('\n'), std::string::npos);
    }
}

TEST(StrictReplay, AnswersAsRecordedAndNamesTheFirstCallThatDiffers) {
    sim::SimulatedBus bus;
    bus.addAdaptor();
    const recording::Recording session = parsedRecording(recordSession(bus, kWriteV1));
    const struct {
        const char* assignments;
        const char* mismatch;  // empty: the replay matches to the end
    } cases[] = {
        {"V1=90", ""},
        {
            "V1=91",
            "the recording has setFeature(handle 1, 00 ee 00 5a 00",
        },
        {"V2=90", "the program made setFeature(handle 1, 00 ee 01 5a 00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.assignments);
        recording::StrictReplay replay(session);
        const commands::CommandOutput output =
            commands::writeCommand(replay, writeOf(c.assignments), nullptr);
        if (*c.mismatch == '\0') {
            EXPECT_EQ(replay.mismatch(), "");
            EXPECT_EQ(replay.callsLeft(), 0u);
            EXPECT_EQ(output.exitCode, commands::kExitOk);
        } else {
            EXPECT_NE(replay.mismatch().find(c.mismatch), std::string::npos) << replay.mismatch();
            EXPECT_NE(replay.mismatch().find("the program made"), std::string::npos);
            EXPECT_NE(output.exitCode, commands::kExitOk);
        }
    }
    recording::StrictReplay longer(session);
    commands::writeCommand(longer, writeOf("V1=90"), nullptr);
    commands::readCommand(longer, nullptr);
    EXPECT_NE(longer.mismatch().find("the recording has ended, the program made enumerate()"),
              std::string::npos)
        << longer.mismatch();
}

TEST(RecordedAdaptor, HasTheRecordedIdentitySettingsMemoryAndKeepsWhatIsWritten) {
    sim::SimulatedBus bus;
    const sim::DeviceId id = bus.addAdaptor(sim::miradIdentity());
    bus.adaptor(id).memory.fill(0x5A);
    const std::string text = recordSession(bus, [](hid::HidLayer& hid) {
        commands::readCommand(hid, nullptr);
        commands::writeCommand(hid, writeOf("H1=190"), nullptr);
        commands::dumpCommand(hid, nullptr);
    });
    std::string error;
    const auto device = recording::recordedDevice(parsedRecording(text), error);
    ASSERT_TRUE(device) << error;
    recording::RecordedAdaptor adaptor(*device);

    const commands::ReadResult read = commands::readCommand(adaptor, nullptr);
    EXPECT_EQ(read.identity.serialNumber, "MR-0004711");
    EXPECT_EQ(read.identity.productId, protocol::kMirad);
    EXPECT_EQ(read.identity.path, "sim:0");
    ASSERT_TRUE(read.thresholds);
    EXPECT_EQ((*read.thresholds)[protocol::kAddressH1], 190);
    EXPECT_EQ(commands::dumpCommand(adaptor, nullptr).out, commands::dumpCommand(bus, nullptr).out);
    commands::writeCommand(adaptor, writeOf("V2=200"), nullptr);
    EXPECT_EQ((*commands::readCommand(adaptor, nullptr).thresholds)[protocol::kAddressV2], 200);
}

TEST(RecordedAdaptor, LoopsTheRecordedInputAndReplaysTheUnplug) {
    recording::RecordedDevice device;
    device.path = "p";
    device.listing = {{protocol::kVendorId, protocol::kKelvo, 0x0105, "p"}};
    device.input = {{10'000, {0, 1}}, {30'000, {0, 2}}};  // looped every 40 ms
    device.unplugAt = 200'000;
    std::int64_t now = 0;
    recording::RecordedAdaptor adaptor(device, [&] { return std::chrono::microseconds(now); });
    hid::Handle handle{};
    ASSERT_TRUE(adaptor.open("p", hid::OpenMode::NonBlockingInput, handle));
    std::vector<int> seen;
    for (now = 0; now < 120'000; now += 5'000) {
        std::uint8_t buffer[8] = {};
        std::int32_t count = 0;
        if (adaptor.readInput(handle, buffer, count)) {
            seen.push_back(buffer[1] * 1000 + static_cast<int>(now / 1000));
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{1010, 2030, 1050, 2070, 1090, 2110}));
    now = 200'000;
    EXPECT_FALSE(adaptor.probePresence(handle));
}

}  // namespace

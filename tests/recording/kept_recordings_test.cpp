// The recordings kept in tests/recordings/: each replays strictly, call for call, as
// the session that made it, and plays as an adaptor with the recorded identity and
// thresholds.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "commands/commands.h"
#include "kept_sessions.h"
#include "recording/recorded_adaptor.h"
#include "recording/recording_text.h"
#include "recording/strict_replay.h"

namespace {

recording::ReadResult readKept(const std::string& file) {
    std::ifstream in(std::string(SHIFTER_RECORDINGS_DIR "/") + file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return recording::readRecording(text.str());
}

TEST(KeptRecordings, ReplayStrictlyAndPlayAsTheRecordedAdaptor) {
    for (const KeptSession& session : keptSessions()) {
        SCOPED_TRACE(session.file);
        recording::ReadResult read = readKept(session.file);
        ASSERT_TRUE(read.recording) << read.error;

        recording::StrictReplay replay(*read.recording);
        EXPECT_EQ(session.run(replay), session.shown);
        EXPECT_EQ(replay.mismatch(), "");
        EXPECT_EQ(replay.callsLeft(), 0u);

        std::string error;
        const auto device = recording::recordedDevice(*read.recording, error);
        ASSERT_TRUE(device) << error;
        recording::RecordedAdaptor adaptor(*device);
        const commands::ReadResult shown = commands::readCommand(adaptor, nullptr);
        EXPECT_EQ(shown.identity.productId, session.productId);
        EXPECT_EQ(device->identity.serialNumber, session.serialNumber);
        EXPECT_EQ(shown.thresholds, session.thresholds);
    }
}

}  // namespace

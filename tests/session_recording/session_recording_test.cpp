// --record FILE: a stream gets the recording once, whole, at the end; a regular file is
// saved as the session goes, and only one recorder writes it at a time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "recording/recording_text.h"
#include "session_recording/session_recording.h"
#include "sim/simulated_bus.h"
#include "storage/atomic_file.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// Every call is saved at once, so a session of a few calls saves many times.
recording::RecordingOptions savingEveryCall() {
    recording::RecordingOptions options;
    options.saveEvery = std::chrono::microseconds(0);
    return options;
}

void runSession(session_recording::SessionRecording& recording) {
    std::vector<hid::InterfaceIdentity> interfaces;
    for (int call = 0; call < 5; ++call) {
        recording.layer().enumerate(interfaces);
    }
}

// A pipe the caller gave as /dev/fd/N: Windows names no descriptors, and its streams
// (NUL, CON) cannot be read back.
#ifndef _WIN32
TEST(RecordedSession, AStreamGetsOneWholeRecordingAtTheEnd) {
    sim::SimulatedBus bus;
    bus.addAdaptor();
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    storage::noteInheritedDescriptors();  // as if the caller had given it
    const QString path = QStringLiteral("/dev/fd/%1").arg(pipeEnds[1]);
    {
        session_recording::SessionRecording recording(bus, path, false, false, savingEveryCall());
        ASSERT_TRUE(recording.problem().isEmpty());
        runSession(recording);
        EXPECT_EQ(recording.finish(0), 0);
    }
    ::close(pipeEnds[1]);
    QFile stream;
    ASSERT_TRUE(stream.open(pipeEnds[0], QIODevice::ReadOnly, QFile::AutoCloseHandle));
    const QByteArray text = stream.readAll();
    const recording::ReadResult read = recording::readRecording(text.toStdString());
    ASSERT_TRUE(read.recording) << read.error;
    EXPECT_EQ(read.recording->calls.size(), 5U);
}
#endif

TEST(RecordedSession, ASecondRecorderOfOneFileIsRefusedAtTheStart) {
    sim::SimulatedBus bus;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("customer.rec"));
    {
        session_recording::SessionRecording first(bus, path, false, false, savingEveryCall());
        ASSERT_TRUE(first.problem().isEmpty());
        runSession(first);
        session_recording::SessionRecording second(bus, path, false);
        EXPECT_TRUE(second.problem().contains(QLatin1String("Another program is recording")))
            << second.problem().toStdString();
        EXPECT_EQ(first.finish(0), 0);
    }
    // The lock goes with the recorder, and the next one may write the file.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("customer.rec")});
    session_recording::SessionRecording later(bus, path, false);
    EXPECT_TRUE(later.problem().isEmpty());
}

}  // namespace

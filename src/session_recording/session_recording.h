#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "hid/hid_layer.h"
#include "recording/recorded_adaptor.h"
#include "recording/recording_layer.h"
#include "storage/file_lock.h"
#include "storage/latest_file_writer.h"

// Recorded sessions: --record FILE writes one, --simulate=FILE runs on one.
namespace session_recording {

// The adaptor a recording's file holds; null with `error` set to one sentence when the
// file cannot be read or is no whole recording.
std::shared_ptr<const recording::RecordedDevice> loadRecordedAdaptor(const QString& path,
                                                                     QString& error);

// Records every HID call of the session into the file --record names, when it names one;
// without one, the window may still offer a recording started and saved by the user. A
// regular file is saved whole now and then while the session runs, under a lock beside
// it that keeps a second recorder out; a stream (a pipe, /dev/stdout, a device) gets the
// recording once, whole, at the end.
class SessionRecording {
  public:
    // Records into `path` (none when empty), with stand-ins for the serial number and
    // the paths when `anonymous`; `recordingOptions` says how often it is saved.
    SessionRecording(hid::HidLayer& inner, const QString& path, bool anonymous,
                     bool offerSupportRecording = false,
                     recording::RecordingOptions recordingOptions = {});
    SessionRecording(const SessionRecording&) = delete;
    SessionRecording& operator=(const SessionRecording&) = delete;

    // Why the file cannot be recorded into (another program records into it); the
    // session must not run then. Empty when it can.
    const QString& problem() const { return problem_; }
    // The layer the session talks to: the recorder, or `inner` when nothing is recorded.
    hid::HidLayer& layer();
    // The recording the user starts, stops and saves; null when --record records all.
    recording::RecordingLayer* supportRecording();
    // Ends the recording and tells how it went on standard error; a session that went
    // well fails when the file could not be written.
    int finish(int status);

  private:
    // Takes the lock beside the file, or says in problem_ why not.
    bool lockTheFile();

    hid::HidLayer& inner_;
    QString path_;
    bool intoStream_ = false;
    storage::FileLock fileLock_;
    QString problem_;
    std::optional<storage::LatestFileWriter> writer_;  // made before the recorder that uses it
    std::optional<recording::RecordingLayer> recorder_;
};

}  // namespace session_recording

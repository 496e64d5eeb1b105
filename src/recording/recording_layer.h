#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hid/hid_layer.h"
#include "recording/recording.h"

// A HID layer around any other that writes down every call and its answer, and changes
// nothing of what passes: the program and the device see what they would see without it.
namespace recording {

struct RecordingOptions {
    // Replaces the serial number and the device paths with stand-ins.
    bool anonymous = false;
    std::size_t sizeLimit = kSizeLimit;
    // How often the text is handed to the saver while the session runs.
    std::chrono::microseconds saveEvery = std::chrono::seconds(5);
    // Waits for start(), keeping meanwhile only how the current connection was made.
    bool startIdle = false;
};

class RecordingLayer : public hid::HidLayer {
  public:
    // Gets the whole text each time it is saved, to keep (may be empty: the text is then
    // only taken with text()); a failed save is the caller's to report.
    using Saver = std::function<void(std::string text)>;
    // The time since the layer was made; a steady clock when not given. A recording
    // counts its calls' times from its own start.
    using Clock = std::function<std::chrono::microseconds()>;

    RecordingLayer(hid::HidLayer& inner, Header header, Saver saver, RecordingOptions options = {},
                   Clock clock = {});

    // Starts (again) an idle or finished recording: it begins with the calls that made
    // the current connection, from the latest enumeration up to the first input read,
    // at time 0.
    // An anonymous one holds stand-ins for the serial number and the device paths.
    void start(bool anonymous);
    // Ends the recording and saves it a last time; later calls pass unrecorded.
    void finish();
    bool isRecording() const { return recording_; }
    std::size_t size() const { return header_.size() + body_.size(); }
    // True once the size limit ended the recording.
    bool stoppedAtLimit() const { return stoppedAtLimit_; }
    // The recording as it is saved when it ends now: its end line says why it ended.
    std::string text() const;

    bool enumerate(std::vector<hid::InterfaceIdentity>& interfaces) override;
    bool open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) override;
    bool close(hid::Handle& handle) override;
    bool getAttributes(hid::Handle handle, hid::Attributes& attributes) override;
    bool getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) override;
    bool setFeature(hid::Handle handle, std::span<const std::uint8_t> report) override;
    bool getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                    std::int32_t& bytesRead) override;
    bool readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                   std::int32_t& bytesRead) override;
    bool getString(hid::Handle handle, hid::IdentityString which,
                   std::span<std::uint8_t> buffer) override;
    bool probePresence(hid::Handle handle) override;
    bool createReadEvent(hid::ReadEvent& event) override;

  private:
    // The time since the recording started.
    std::chrono::microseconds elapsed() const { return clock_() - startedAt_; }
    std::string_view endReason() const;
    std::string text(std::string_view reason) const;
    Call begin(CallKind kind, hid::Handle handle = hid::Handle::None) const;
    // Adds the call's lines, saving now and then; stops at the size limit.
    bool add(const Call& call);
    void keepPrelude(const Call& call);
    void save(std::string_view reason);
    // The call as the recording holds it: with stand-ins where it is anonymous.
    Call shown(Call call);
    std::string shownPath(const std::string& path);

    hid::HidLayer& inner_;
    std::string header_;
    Saver saver_;
    RecordingOptions options_;
    Clock clock_;
    std::string body_;
    std::chrono::microseconds startedAt_{0};
    std::chrono::microseconds lastSave_{0};
    bool recording_ = true;
    std::vector<Call> prelude_;  // the current connection's calls
    bool preludeOpen_ = false;
    bool stoppedAtLimit_ = false;
    bool finished_ = false;
    std::map<std::string, std::string> anonymousPaths_;
};

}  // namespace recording

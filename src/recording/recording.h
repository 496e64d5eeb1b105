#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hid/hid_layer.h"

// A recorded session: every call the program made through the HID layer and its answer,
// in order, with the time since the recording began.
namespace recording {

inline constexpr std::string_view kFormatName = "shifter-recording";
inline constexpr int kFormatVersion = 1;
// Recordings stop growing here, and the reader refuses larger files.
inline constexpr std::size_t kSizeLimit = 50u * 1024 * 1024;

enum class CallKind {
    Enumerate,
    Open,
    Close,
    GetAttributes,
    GetCapabilities,
    SetFeature,
    GetFeature,
    ReadInput,
    GetString,
    ProbePresence,
    CreateReadEvent,
};

// The name a call has in the file ("setFeature"), and back; false for an unknown name.
std::string_view callName(CallKind kind);
bool callNamed(std::string_view name, CallKind& kind);

struct Call {
    std::int64_t timeUs = 0;  // since the recording began
    CallKind kind{};
    bool ok = false;
    // The handle used; for Open the handle opened, for CreateReadEvent the event.
    std::uint32_t handle = 0;
    std::string path;                 // Open
    hid::OpenMode mode{};             // Open
    hid::IdentityString string{};     // GetString
    std::size_t length = 0;           // the buffer offered (GetFeature, ReadInput, GetString)
    std::vector<std::uint8_t> sent;   // SetFeature: the report; GetFeature: the report ID asked
    std::vector<std::uint8_t> reply;  // as far as the reply went
    std::int32_t bytesRead = 0;       // GetFeature, ReadInput: the length the device gave
    std::vector<hid::InterfaceIdentity> interfaces;  // Enumerate
    hid::Attributes attributes;                      // GetAttributes
    hid::Capabilities capabilities;                  // GetCapabilities
};

struct Header {
    int version = kFormatVersion;
    std::string program;   // name and version
    std::string platform;  // "linux", "windows", "macos"
    std::string date;      // UTC, ISO 8601
};

struct Recording {
    Header header;
    std::vector<Call> calls;
    std::string end;  // why it ended: "stopped", "size limit", "saved while running"
};

// "setFeature(handle 1, 00 ee 03 50)": a call as messages name it.
std::string describe(const Call& call);

}  // namespace recording

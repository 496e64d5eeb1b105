#include "recording/recording_layer.h"

#include <algorithm>
#include <utility>

#include "hid/utf16_string.h"
#include "recording/recording_text.h"

namespace recording {
namespace {

constexpr const char* kEndStopped = "stopped";
constexpr const char* kEndSizeLimit = "size limit";
constexpr const char* kEndRunning = "saved while running";
constexpr std::u16string_view kAnonymousSerial = u"ANONYMOUS";

// The bytes of a reply the device gave, at most as many as the buffer holds.
std::vector<std::uint8_t> replyBytes(std::span<const std::uint8_t> buffer, std::int32_t count) {
    const auto length = std::min(buffer.size(), static_cast<std::size_t>(std::max(count, 0)));
    return {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length)};
}

// A string as far as its terminator (kept), or the whole buffer when it has none.
std::vector<std::uint8_t> stringBytes(std::span<const std::uint8_t> buffer) {
    std::size_t end = 0;
    while (end + 1 < buffer.size() && (buffer[end] != 0 || buffer[end + 1] != 0)) {
        end += 2;
    }
    end = std::min(buffer.size(), end + 2);
    return {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace

RecordingLayer::RecordingLayer(hid::HidLayer& inner, Header header, Saver saver,
                               RecordingOptions options, Clock clock)
    : inner_(inner),
      header_(headerLine(header)),
      saver_(std::move(saver)),
      options_(options),
      clock_(std::move(clock)),
      recording_(!options.startIdle) {
    if (!clock_) {
        const auto start = std::chrono::steady_clock::now();
        clock_ = [start] {
            return std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - start);
        };
    }
}

std::string_view RecordingLayer::endReason() const {
    return stoppedAtLimit_ ? kEndSizeLimit : kEndStopped;
}

std::string RecordingLayer::text() const {
    return text(endReason());
}

std::string RecordingLayer::text(std::string_view reason) const {
    // One allocation and one copy: a recording near its size limit is large.
    const std::string end = endLine(elapsed().count(), reason);
    std::string text;
    text.reserve(header_.size() + body_.size() + end.size());
    return text.append(header_).append(body_).append(end);
}

void RecordingLayer::start(bool anonymous) {
    options_.anonymous = anonymous;
    anonymousPaths_.clear();
    body_.clear();
    for (Call call : prelude_) {
        call.timeUs = 0;
        body_ += callLines(shown(call));
    }
    recording_ = true;
    finished_ = false;
    stoppedAtLimit_ = false;
    startedAt_ = clock_();
    lastSave_ = std::chrono::microseconds{0};
}

void RecordingLayer::finish() {
    if (finished_) {
        return;
    }
    // Saved again after the size limit too, in case that save failed.
    finished_ = true;
    recording_ = false;
    save(endReason());
}

void RecordingLayer::save(std::string_view reason) {
    if (saver_) {
        saver_(text(reason));
    }
}

void RecordingLayer::keepPrelude(const Call& call) {
    if (call.kind == CallKind::Enumerate) {
        prelude_.clear();
        preludeOpen_ = true;
    } else if (call.kind == CallKind::ReadInput) {
        preludeOpen_ = false;
    }
    if (preludeOpen_) {
        prelude_.push_back(call);
    }
}

Call RecordingLayer::begin(CallKind kind, hid::Handle handle) const {
    Call call;
    call.timeUs = elapsed().count();
    call.kind = kind;
    call.handle = static_cast<std::uint32_t>(handle);
    return call;
}

bool RecordingLayer::add(const Call& call) {
    const bool inPrelude = call.kind == CallKind::Enumerate || preludeOpen_;
    if (!recording_ && !inPrelude) {
        return call.ok;
    }
    keepPrelude(call);
    if (!recording_) {
        return call.ok;
    }
    const std::string lines = callLines(shown(call));
    const std::size_t endRoom = endLine(call.timeUs, kEndSizeLimit).size();
    if (header_.size() + body_.size() + lines.size() + endRoom > options_.sizeLimit) {
        recording_ = false;
        stoppedAtLimit_ = true;
        save(kEndSizeLimit);
        return call.ok;
    }
    body_ += lines;
    const std::chrono::microseconds now(call.timeUs);
    if (now - lastSave_ >= options_.saveEvery) {
        lastSave_ = now;
        save(kEndRunning);
    }
    return call.ok;
}

std::string RecordingLayer::shownPath(const std::string& path) {
    const auto [found, added] = anonymousPaths_.try_emplace(path, "");
    if (added) {
        found->second = "device-" + std::to_string(anonymousPaths_.size());
    }
    return found->second;
}

Call RecordingLayer::shown(Call call) {
    if (!options_.anonymous) {
        return call;
    }
    for (hid::InterfaceIdentity& listed : call.interfaces) {
        listed.path = shownPath(listed.path);
    }
    if (call.kind == CallKind::Open) {
        call.path = shownPath(call.path);
    }
    if (call.ok && call.kind == CallKind::GetString &&
        call.string == hid::IdentityString::SerialNumber) {
        std::vector<std::uint8_t> standIn(call.length, 0);
        hid::writeUtf16Le(kAnonymousSerial, standIn);
        call.reply = stringBytes(standIn);
    }
    return call;
}

bool RecordingLayer::enumerate(std::vector<hid::InterfaceIdentity>& interfaces) {
    Call call = begin(CallKind::Enumerate);
    call.ok = inner_.enumerate(interfaces);
    if (call.ok) {
        call.interfaces = interfaces;
    }
    return add(call);
}

bool RecordingLayer::open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) {
    Call call = begin(CallKind::Open);
    call.ok = inner_.open(path, mode, handle);
    call.handle = static_cast<std::uint32_t>(handle);
    call.path = path;
    call.mode = mode;
    return add(call);
}

bool RecordingLayer::close(hid::Handle& handle) {
    Call call = begin(CallKind::Close, handle);
    call.ok = inner_.close(handle);
    return add(call);
}

bool RecordingLayer::getAttributes(hid::Handle handle, hid::Attributes& attributes) {
    Call call = begin(CallKind::GetAttributes, handle);
    call.ok = inner_.getAttributes(handle, attributes);
    call.attributes = attributes;
    return add(call);
}

bool RecordingLayer::getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) {
    Call call = begin(CallKind::GetCapabilities, handle);
    call.ok = inner_.getCapabilities(handle, capabilities);
    call.capabilities = capabilities;
    return add(call);
}

bool RecordingLayer::setFeature(hid::Handle handle, std::span<const std::uint8_t> report) {
    Call call = begin(CallKind::SetFeature, handle);
    call.sent.assign(report.begin(), report.end());
    call.ok = inner_.setFeature(handle, report);
    return add(call);
}

bool RecordingLayer::getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                                std::int32_t& bytesRead) {
    Call call = begin(CallKind::GetFeature, handle);
    call.length = report.size();
    call.sent = replyBytes(report, 1);
    call.ok = inner_.getFeature(handle, report, bytesRead);
    call.bytesRead = bytesRead;
    if (call.ok) {
        call.reply = replyBytes(report, bytesRead);
    }
    return add(call);
}

bool RecordingLayer::readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                               std::int32_t& bytesRead) {
    Call call = begin(CallKind::ReadInput, handle);
    call.length = buffer.size();
    call.ok = inner_.readInput(handle, buffer, bytesRead);
    call.bytesRead = bytesRead;
    if (call.ok) {
        call.reply = replyBytes(buffer, bytesRead);
    }
    return add(call);
}

bool RecordingLayer::getString(hid::Handle handle, hid::IdentityString which,
                               std::span<std::uint8_t> buffer) {
    Call call = begin(CallKind::GetString, handle);
    call.length = buffer.size();
    call.string = which;
    call.ok = inner_.getString(handle, which, buffer);
    if (call.ok) {
        call.reply = stringBytes(buffer);
    }
    return add(call);
}

bool RecordingLayer::probePresence(hid::Handle handle) {
    Call call = begin(CallKind::ProbePresence, handle);
    call.ok = inner_.probePresence(handle);
    return add(call);
}

bool RecordingLayer::createReadEvent(hid::ReadEvent& event) {
    Call call = begin(CallKind::CreateReadEvent);
    call.ok = inner_.createReadEvent(event);
    call.handle = static_cast<std::uint32_t>(event);
    return add(call);
}

}  // namespace recording

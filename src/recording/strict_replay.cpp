#include "recording/strict_replay.h"

#include <algorithm>
#include <utility>

namespace recording {
namespace {

Call made(CallKind kind, hid::Handle handle = hid::Handle::None) {
    Call call;
    call.kind = kind;
    call.handle = static_cast<std::uint32_t>(handle);
    return call;
}

bool sameCall(const Call& a, const Call& b) {
    return a.kind == b.kind && a.handle == b.handle && a.path == b.path && a.mode == b.mode &&
           a.string == b.string && a.length == b.length && a.sent == b.sent;
}

// Copies a recorded reply into the caller's buffer, as much as fits.
void copyReply(const std::vector<std::uint8_t>& reply, std::span<std::uint8_t> buffer) {
    std::copy_n(reply.begin(), std::min(reply.size(), buffer.size()), buffer.begin());
}

}  // namespace

StrictReplay::StrictReplay(Recording recording) : recording_(std::move(recording)) {}

Call StrictReplay::withRecordedAnswer(Call call) const {
    if (next_ < recording_.calls.size()) {
        call.handle = recording_.calls[next_].handle;
    }
    return call;
}

const Call* StrictReplay::expect(const Call& call) {
    if (!mismatch_.empty()) {
        return nullptr;
    }
    const std::string number = "call " + std::to_string(next_ + 1) + ": ";
    if (next_ == recording_.calls.size()) {
        mismatch_ = number + "the recording has ended, the program made " + describe(call);
        return nullptr;
    }
    const Call& expected = recording_.calls[next_];
    if (!sameCall(expected, call)) {
        mismatch_ = number + "the recording has " + describe(expected) + ", the program made " +
                    describe(call);
        return nullptr;
    }
    ++next_;
    return &expected;
}

bool StrictReplay::enumerate(std::vector<hid::InterfaceIdentity>& interfaces) {
    const Call* recorded = expect(made(CallKind::Enumerate));
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    interfaces = recorded->interfaces;
    return true;
}

bool StrictReplay::open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) {
    Call call = made(CallKind::Open);
    call.path = path;
    call.mode = mode;
    handle = hid::Handle::None;
    const Call* recorded = expect(withRecordedAnswer(call));
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    handle = static_cast<hid::Handle>(recorded->handle);
    return true;
}

bool StrictReplay::close(hid::Handle& handle) {
    const Call* recorded = expect(made(CallKind::Close, handle));
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    handle = hid::Handle::None;
    return true;
}

bool StrictReplay::getAttributes(hid::Handle handle, hid::Attributes& attributes) {
    const Call* recorded = expect(made(CallKind::GetAttributes, handle));
    if (recorded == nullptr) {
        return false;
    }
    attributes = recorded->attributes;
    return recorded->ok;
}

bool StrictReplay::getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) {
    const Call* recorded = expect(made(CallKind::GetCapabilities, handle));
    if (recorded == nullptr) {
        return false;
    }
    capabilities = recorded->capabilities;
    return recorded->ok;
}

bool StrictReplay::setFeature(hid::Handle handle, std::span<const std::uint8_t> report) {
    Call call = made(CallKind::SetFeature, handle);
    call.sent.assign(report.begin(), report.end());
    const Call* recorded = expect(call);
    return recorded != nullptr && recorded->ok;
}

bool StrictReplay::getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                              std::int32_t& bytesRead) {
    Call call = made(CallKind::GetFeature, handle);
    call.length = report.size();
    call.sent.assign(report.begin(), report.begin() + (report.empty() ? 0 : 1));
    bytesRead = 0;
    const Call* recorded = expect(call);
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    copyReply(recorded->reply, report);
    bytesRead = recorded->bytesRead;
    return true;
}

bool StrictReplay::readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                             std::int32_t& bytesRead) {
    Call call = made(CallKind::ReadInput, handle);
    call.length = buffer.size();
    const Call* recorded = expect(call);
    bytesRead = recorded == nullptr ? 0 : recorded->bytesRead;
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    copyReply(recorded->reply, buffer);
    return true;
}

bool StrictReplay::getString(hid::Handle handle, hid::IdentityString which,
                             std::span<std::uint8_t> buffer) {
    Call call = made(CallKind::GetString, handle);
    call.length = buffer.size();
    call.string = which;
    const Call* recorded = expect(call);
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    copyReply(recorded->reply, buffer);
    return true;
}

bool StrictReplay::probePresence(hid::Handle handle) {
    const Call* recorded = expect(made(CallKind::ProbePresence, handle));
    return recorded != nullptr && recorded->ok;
}

bool StrictReplay::createReadEvent(hid::ReadEvent& event) {
    const Call* recorded = expect(withRecordedAnswer(made(CallKind::CreateReadEvent)));
    if (recorded == nullptr || !recorded->ok) {
        return false;
    }
    event = static_cast<hid::ReadEvent>(recorded->handle);
    return true;
}

}  // namespace recording

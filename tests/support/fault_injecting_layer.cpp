#include "support/fault_injecting_layer.h"

#include <algorithm>
#include <random>

namespace support {

void FaultInjectingLayer::failCall(std::uint64_t index) {
    failingCalls_.insert(index);
}

void FaultInjectingLayer::failCalls(CallKind kind, bool fail) {
    if (fail) {
        failingKinds_.insert(kind);
    } else {
        failingKinds_.erase(kind);
    }
}

void FaultInjectingLayer::beforeCall(std::uint64_t index, std::function<void()> action) {
    actions_.emplace(index, std::move(action));
}

void FaultInjectingLayer::shortenReply(std::uint64_t index, std::size_t length) {
    shortened_[index] = length;
}

void FaultInjectingLayer::garbleReply(std::uint64_t index, std::uint32_t seed) {
    garbled_[index] = seed;
}

std::vector<std::vector<std::uint8_t>> FaultInjectingLayer::featureReportsSent() const {
    std::vector<std::vector<std::uint8_t>> sent;
    for (const CallRecord& call : log_) {
        if (call.kind == CallKind::SetFeature && call.result) {
            sent.push_back(call.bytes);
        }
    }
    return sent;
}

std::size_t FaultInjectingLayer::callsOf(CallKind kind) const {
    return static_cast<std::size_t>(std::count_if(
        log_.begin(), log_.end(), [kind](const CallRecord& call) { return call.kind == kind; }));
}

bool FaultInjectingLayer::begin(CallKind kind, hid::Handle handle) {
    current_ = nextCall_++;
    const auto [first, last] = actions_.equal_range(current_);
    for (auto it = first; it != last; ++it) {
        it->second();
    }
    actions_.erase(current_);
    log_.emplace_back();
    record().index = current_;
    record().kind = kind;
    record().handle = handle;
    return failingCalls_.erase(current_) > 0 || failingKinds_.contains(kind);
}

bool FaultInjectingLayer::finish(bool result) {
    record().result = result;
    return result;
}

std::size_t FaultInjectingLayer::alterReply(std::span<std::uint8_t> bytes, std::size_t count) {
    if (const auto shortened = shortened_.find(current_); shortened != shortened_.end()) {
        count = std::min(count, shortened->second);
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(count), bytes.end(), 0);
    }
    if (const auto garbled = garbled_.find(current_); garbled != garbled_.end()) {
        std::mt19937 random(garbled->second);
        std::generate(bytes.begin(), bytes.end(),
                      [&] { return static_cast<std::uint8_t>(random()); });
        count = bytes.size();
    }
    return count;
}

template <typename T>
void FaultInjectingLayer::garbleValue(T& value) {
    if (const auto garbled = garbled_.find(current_); garbled != garbled_.end()) {
        std::mt19937 random(garbled->second);
        value = static_cast<T>(random());
    }
}

bool FaultInjectingLayer::enumerate(std::vector<hid::InterfaceIdentity>& interfaces) {
    if (begin(CallKind::Enumerate, hid::Handle::None)) {
        return finish(false);
    }
    return finish(inner_.enumerate(interfaces));
}

bool FaultInjectingLayer::open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) {
    const bool fails = begin(CallKind::Open, hid::Handle::None);
    record().path = path;
    record().openMode = mode;
    handle = hid::Handle::None;
    if (fails) {
        return finish(false);
    }
    const bool opened = inner_.open(path, mode, handle);
    record().handle = handle;
    return finish(opened);
}

bool FaultInjectingLayer::close(hid::Handle& handle) {
    if (begin(CallKind::Close, handle)) {
        return finish(false);
    }
    return finish(inner_.close(handle));
}

bool FaultInjectingLayer::getAttributes(hid::Handle handle, hid::Attributes& attributes) {
    if (begin(CallKind::GetAttributes, handle) || !inner_.getAttributes(handle, attributes)) {
        return finish(false);
    }
    garbleValue(attributes.VendorID);
    garbleValue(attributes.ProductID);
    return finish(true);
}

bool FaultInjectingLayer::getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) {
    if (begin(CallKind::GetCapabilities, handle) || !inner_.getCapabilities(handle, capabilities)) {
        return finish(false);
    }
    garbleValue(capabilities.FeatureReportByteLength);
    garbleValue(capabilities.InputReportByteLength);
    return finish(true);
}

bool FaultInjectingLayer::setFeature(hid::Handle handle, std::span<const std::uint8_t> report) {
    const bool fails = begin(CallKind::SetFeature, handle);
    record().bytes.assign(report.begin(), report.end());
    return finish(!fails && inner_.setFeature(handle, report));
}

bool FaultInjectingLayer::getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                                     std::int32_t& bytesRead) {
    bytesRead = 0;
    if (begin(CallKind::GetFeature, handle) || !inner_.getFeature(handle, report, bytesRead)) {
        bytesRead = 0;
        return finish(false);
    }
    return finishReply(report, bytesRead);
}

bool FaultInjectingLayer::readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                                    std::int32_t& bytesRead) {
    bytesRead = 0;
    if (begin(CallKind::ReadInput, handle) || !inner_.readInput(handle, buffer, bytesRead)) {
        bytesRead = 0;
        return finish(false);
    }
    return finishReply(buffer, bytesRead);
}

bool FaultInjectingLayer::finishReply(std::span<std::uint8_t> bytes, std::int32_t& bytesRead) {
    const auto count = std::min(static_cast<std::size_t>(std::max(bytesRead, 0)), bytes.size());
    bytesRead = static_cast<std::int32_t>(alterReply(bytes.first(count), count));
    record().bytes.assign(bytes.begin(), bytes.begin() + bytesRead);
    return finish(true);
}

bool FaultInjectingLayer::getString(hid::Handle handle, hid::IdentityString which,
                                    std::span<std::uint8_t> buffer) {
    const bool fails = begin(CallKind::GetString, handle);
    record().string = which;
    if (fails || !inner_.getString(handle, which, buffer)) {
        return finish(false);
    }
    alterReply(buffer, buffer.size());
    record().bytes.assign(buffer.begin(), buffer.end());
    return finish(true);
}

bool FaultInjectingLayer::probePresence(hid::Handle handle) {
    if (begin(CallKind::ProbePresence, handle)) {
        return finish(false);
    }
    return finish(inner_.probePresence(handle));
}

bool FaultInjectingLayer::createReadEvent(hid::ReadEvent& event) {
    if (begin(CallKind::CreateReadEvent, hid::Handle::None)) {
        event = hid::ReadEvent::None;
        return finish(false);
    }
    return finish(inner_.createReadEvent(event));
}

}  // namespace support

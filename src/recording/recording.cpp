#include "recording/recording.h"

#include <array>
#include <utility>

namespace recording {
namespace {

constexpr std::array<std::pair<CallKind, std::string_view>, 11> kCallNames{{
    {CallKind::Enumerate, "enumerate"},
    {CallKind::Open, "open"},
    {CallKind::Close, "close"},
    {CallKind::GetAttributes, "getAttributes"},
    {CallKind::GetCapabilities, "getCapabilities"},
    {CallKind::SetFeature, "setFeature"},
    {CallKind::GetFeature, "getFeature"},
    {CallKind::ReadInput, "readInput"},
    {CallKind::GetString, "getString"},
    {CallKind::ProbePresence, "probePresence"},
    {CallKind::CreateReadEvent, "createReadEvent"},
}};

std::string spacedHex(const std::vector<std::uint8_t>& bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += text.empty() ? "" : " ";
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

}  // namespace

std::string_view callName(CallKind kind) {
    for (const auto& [known, name] : kCallNames) {
        if (known == kind) {
            return name;
        }
    }
    return "?";
}

bool callNamed(std::string_view name, CallKind& kind) {
    for (const auto& [known, knownName] : kCallNames) {
        if (knownName == name) {
            kind = known;
            return true;
        }
    }
    return false;
}

std::string describe(const Call& call) {
    std::string text(callName(call.kind));
    text += "(";
    switch (call.kind) {
        case CallKind::Enumerate:
        case CallKind::CreateReadEvent:
            break;
        case CallKind::Open:
            text += call.path + ", " +
                    (call.mode == hid::OpenMode::FeatureReports ? "feature reports" : "input");
            break;
        case CallKind::SetFeature:
            text += "handle " + std::to_string(call.handle) + ", " + spacedHex(call.sent);
            break;
        case CallKind::GetFeature:
        case CallKind::ReadInput:
        case CallKind::GetString:
            text += "handle " + std::to_string(call.handle) + ", " + std::to_string(call.length) +
                    " bytes";
            break;
        case CallKind::Close:
        case CallKind::GetAttributes:
        case CallKind::GetCapabilities:
        case CallKind::ProbePresence:
            text += "handle " + std::to_string(call.handle);
            break;
    }
    return text + ")";
}

}  // namespace recording

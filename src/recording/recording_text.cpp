#include "recording/recording_text.h"

#include <algorithm>
#include <limits>

#include "i18n/translate.h"
#include "recording/line_object.h"

namespace recording {
namespace {

constexpr std::int64_t kMaxHandle = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kMaxLength = 65535;
// Far beyond any session (about 31 years), and far from overflowing when times are added.
constexpr std::int64_t kMaxTime = 1'000'000'000'000'000;

std::string_view stringName(hid::IdentityString which) {
    switch (which) {
        case hid::IdentityString::Manufacturer:
            return "manufacturer";
        case hid::IdentityString::Product:
            return "product";
        case hid::IdentityString::SerialNumber:
            break;
    }
    return "serial";
}

bool stringNamed(const std::string& name, hid::IdentityString& which) {
    for (const auto candidate : {hid::IdentityString::Manufacturer, hid::IdentityString::Product,
                                 hid::IdentityString::SerialNumber}) {
        if (stringName(candidate) == name) {
            which = candidate;
            return true;
        }
    }
    return false;
}

std::string_view modeName(hid::OpenMode mode) {
    return mode == hid::OpenMode::FeatureReports ? "feature" : "input";
}

std::string interfaceLine(std::size_t index, const hid::InterfaceIdentity& identity) {
    return LineWriter()
        .add("interface", static_cast<std::int64_t>(index))
        .add("vendor", std::int64_t{identity.vendorId})
        .add("product", std::int64_t{identity.productId})
        .add("version", std::int64_t{identity.versionNumber})
        .add("path", identity.path)
        .line();
}

// The fields of one call's line into `call`; false when one is missing or out of range.
class CallReader {
  public:
    CallReader(const LineObject& object, Call& call) : object_(object), call_(call) {}

    bool read(std::int64_t& interfaceCount) {
        std::string name;
        if (!object_.text("call", name) || !callNamed(name, call_.kind) ||
            !object_.number("t", 0, kMaxTime, call_.timeUs) || !object_.flag("ok", call_.ok)) {
            return false;
        }
        interfaceCount = 0;
        switch (call_.kind) {
            case CallKind::Enumerate:
                return object_.number("count", 0, kMaxLength, interfaceCount);
            case CallKind::Open:
                return handle() && object_.text("path", call_.path) && mode();
            case CallKind::Close:
            case CallKind::ProbePresence:
                return handle();
            case CallKind::CreateReadEvent:
                return handle("event");
            case CallKind::GetAttributes:
                return handle() && attributes();
            case CallKind::GetCapabilities:
                return handle() && capabilities();
            case CallKind::SetFeature:
                return handle() && object_.hex("sent", call_.sent);
            case CallKind::GetFeature:
                return handle() && reply() && object_.hex("sent", call_.sent);
            case CallKind::ReadInput:
                return handle() && reply();
            case CallKind::GetString:
                return handle() && reply() && identityString();
        }
        return false;
    }

  private:
    bool handle(const char* key = "handle") {
        std::int64_t value = 0;
        if (!object_.number(key, 0, kMaxHandle, value)) {
            return false;
        }
        call_.handle = static_cast<std::uint32_t>(value);
        return true;
    }
    bool mode() {
        std::string name;
        if (!object_.text("mode", name) || (name != "feature" && name != "input")) {
            return false;
        }
        call_.mode =
            name == "feature" ? hid::OpenMode::FeatureReports : hid::OpenMode::NonBlockingInput;
        return true;
    }
    bool u16(const char* key, std::uint16_t& out) {
        std::int64_t value = 0;
        if (!object_.number(key, 0, kMaxLength, value)) {
            return false;
        }
        out = static_cast<std::uint16_t>(value);
        return true;
    }
    bool attributes() {
        std::int64_t size = 0;
        hid::Attributes& a = call_.attributes;
        if (!object_.number("size", 0, kMaxHandle, size)) {
            return false;
        }
        a.Size = static_cast<std::uint32_t>(size);
        return u16("vendor", a.VendorID) && u16("product", a.ProductID) &&
               u16("version", a.VersionNumber);
    }
    bool capabilities() {
        hid::Capabilities& c = call_.capabilities;
        return u16("input", c.InputReportByteLength) && u16("output", c.OutputReportByteLength) &&
               u16("feature", c.FeatureReportByteLength);
    }
    // The buffer offered and the reply: never more bytes than the buffer holds.
    bool reply() {
        std::int64_t length = 0;
        std::int64_t bytesRead = 0;
        if (!object_.number("length", 0, kMaxLength, length) ||
            !object_.hex("reply", call_.reply) ||
            call_.reply.size() > static_cast<std::size_t>(length)) {
            return false;
        }
        call_.length = static_cast<std::size_t>(length);
        if (call_.kind == CallKind::GetString) {
            return true;
        }
        if (!object_.number("read", -1, kMaxLength, bytesRead)) {
            return false;
        }
        call_.bytesRead = static_cast<std::int32_t>(bytesRead);
        // An answered call holds the reply as far as the device said it went.
        const std::int64_t held = std::min(length, std::max<std::int64_t>(bytesRead, 0));
        return !call_.ok || static_cast<std::int64_t>(call_.reply.size()) == held;
    }
    bool identityString() {
        std::string name;
        return object_.text("string", name) && stringNamed(name, call_.string);
    }

    const LineObject& object_;
    Call& call_;
};

bool readInterface(const LineObject& object, std::int64_t index, hid::InterfaceIdentity& out) {
    std::int64_t at = 0;
    std::int64_t vendor = 0;
    std::int64_t product = 0;
    std::int64_t version = 0;
    if (!object.number("interface", index, index, at) ||
        !object.number("vendor", 0, kMaxLength, vendor) ||
        !object.number("product", 0, kMaxLength, product) ||
        !object.number("version", 0, kMaxLength, version) || !object.text("path", out.path)) {
        return false;
    }
    out.vendorId = static_cast<std::uint16_t>(vendor);
    out.productId = static_cast<std::uint16_t>(product);
    out.versionNumber = static_cast<std::uint16_t>(version);
    return true;
}

bool readHeader(const LineObject& object, Header& header, std::string& error) {
    std::string format;
    std::int64_t version = 0;
    if (!object.text("format", format) || format != kFormatName ||
        !object.number("version", 1, kMaxLength, version)) {
        error = i18n::arg(i18n::translate("Recording",
                                          "This is not a session recording: its first line does "
                                          "not name the format \"%1\" and its version."),
                          {kFormatName});
        return false;
    }
    if (version > kFormatVersion) {
        error = i18n::arg(i18n::translate("Recording",
                                          "This recording is of format version %1, newer than "
                                          "the version %2 this program reads."),
                          {std::to_string(version), std::to_string(kFormatVersion)});
        return false;
    }
    header.version = static_cast<int>(version);
    if (!object.text("program", header.program) || !object.text("platform", header.platform) ||
        !object.text("date", header.date)) {
        error = i18n::translate(
            "Recording", "The recording's first line lacks the program, the platform or the date.");
        return false;
    }
    return true;
}

}  // namespace

std::string headerLine(const Header& header) {
    return LineWriter()
        .add("format", kFormatName)
        .add("version", std::int64_t{header.version})
        .add("program", header.program)
        .add("platform", header.platform)
        .add("date", header.date)
        .line();
}

std::string callLines(const Call& call) {
    LineWriter line;
    line.add("t", call.timeUs).add("call", callName(call.kind)).add("ok", call.ok);
    const auto handle = [&] { line.add("handle", std::int64_t{call.handle}); };
    const auto reply = [&] {
        line.add("length", static_cast<std::int64_t>(call.length)).addHex("reply", call.reply);
    };
    switch (call.kind) {
        case CallKind::Enumerate: {
            line.add("count", static_cast<std::int64_t>(call.interfaces.size()));
            std::string text = line.line();
            for (std::size_t i = 0; i < call.interfaces.size(); ++i) {
                text += interfaceLine(i, call.interfaces[i]);
            }
            return text;
        }
        case CallKind::Open:
            handle();
            line.add("path", call.path).add("mode", modeName(call.mode));
            break;
        case CallKind::Close:
        case CallKind::ProbePresence:
            handle();
            break;
        case CallKind::CreateReadEvent:
            line.add("event", std::int64_t{call.handle});
            break;
        case CallKind::GetAttributes:
            handle();
            line.add("size", std::int64_t{call.attributes.Size})
                .add("vendor", std::int64_t{call.attributes.VendorID})
                .add("product", std::int64_t{call.attributes.ProductID})
                .add("version", std::int64_t{call.attributes.VersionNumber});
            break;
        case CallKind::GetCapabilities:
            handle();
            line.add("input", std::int64_t{call.capabilities.InputReportByteLength})
                .add("output", std::int64_t{call.capabilities.OutputReportByteLength})
                .add("feature", std::int64_t{call.capabilities.FeatureReportByteLength});
            break;
        case CallKind::SetFeature:
            handle();
            line.addHex("sent", call.sent);
            break;
        case CallKind::GetFeature:
            handle();
            line.addHex("sent", call.sent);
            reply();
            line.add("read", std::int64_t{call.bytesRead});
            break;
        case CallKind::ReadInput:
            handle();
            reply();
            line.add("read", std::int64_t{call.bytesRead});
            break;
        case CallKind::GetString:
            handle();
            line.add("string", stringName(call.string));
            reply();
            break;
    }
    return line.line();
}

std::string endLine(std::int64_t timeUs, std::string_view reason) {
    return LineWriter().add("t", timeUs).add("end", reason).line();
}

ReadResult readRecording(std::string_view text) {
    ReadResult result;
    if (text.size() > kSizeLimit) {
        result.error = i18n::arg(
            i18n::translate("Recording",
                            "The recording is larger than the %1 MB a recording may hold."),
            {std::to_string(kSizeLimit / (1024 * 1024))});
        return result;
    }
    if (text.empty()) {
        result.error = i18n::translate("Recording", "The recording is empty.");
        return result;
    }
    Recording recording;
    std::size_t lineNumber = 0;
    std::int64_t interfacesDue = 0;
    bool ended = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            break;  // a last line without its newline was cut
        }
        const std::string_view lineText = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        ++lineNumber;
        const auto object = LineObject::parse(lineText);
        const auto damaged = [&] {
            result.error =
                i18n::arg(i18n::translate("Recording", "The recording is damaged at line %1."),
                          {std::to_string(lineNumber)});
            return result;
        };
        if (!object || ended) {
            return damaged();
        }
        if (lineNumber == 1) {
            if (!readHeader(*object, recording.header, result.error)) {
                return result;
            }
        } else if (interfacesDue > 0) {
            hid::InterfaceIdentity identity;
            std::vector<hid::InterfaceIdentity>& listed = recording.calls.back().interfaces;
            if (!readInterface(*object, static_cast<std::int64_t>(listed.size()), identity)) {
                return damaged();
            }
            listed.push_back(std::move(identity));
            --interfacesDue;
        } else if (object->has("end")) {
            ended = object->text("end", recording.end);
            if (!ended) {
                return damaged();
            }
        } else {
            Call call;
            if (!CallReader(*object, call).read(interfacesDue)) {
                return damaged();
            }
            recording.calls.push_back(std::move(call));
        }
    }
    if (!ended) {
        result.error = i18n::translate(
            "Recording", "The recording is cut short: it ends before its closing line.");
        return result;
    }
    result.recording = std::move(recording);
    return result;
}

}  // namespace recording

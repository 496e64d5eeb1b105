#include "adaptor_emulator.h"

#include <linux/input.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "adaptor_contents.h"
#include "protocol/products.h"

namespace e2e {

namespace {

// Vendor usage page, no report IDs: a 5-byte input report and a 64-byte feature
// report, which the Windows-style lengths make 6 and 65.
const std::vector<std::uint8_t> kReportDescriptor{
    0x06, 0x00, 0xFF,  // Usage Page (vendor 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x05,        //   Report Count (5)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0x95, 0x40,        //   Report Count (64)
    0x09, 0x01,        //   Usage (1)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
    0xC0,              // End Collection
};

// A USB adaptor reports its lever every 8 ms.
constexpr auto kInputInterval = std::chrono::milliseconds(8);

// A refused request, as a USB device stalls it.
constexpr std::uint16_t kRefused = EPIPE;

std::string utf8(const std::u16string& text) {
    std::string out;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
            out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
    return out;
}

std::string productText(std::uint16_t productId) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", productId);
    return text;
}

}  // namespace

sim::AdaptorModel startModel(const sim::AdaptorIdentity& identity) {
    sim::AdaptorModel model(identity);
    model.settings = kStartSettings;
    model.memory = startMemory();
    model.settingsInMemory = false;  // every byte as the guest session expects it
    return model;
}

AdaptorEmulator::AdaptorEmulator(UhidDevice& device, const sim::AdaptorIdentity& identity,
                                 LineSink log, LineSink status)
    : device_(device),
      model_(startModel(identity)),
      log_(std::move(log)),
      status_(std::move(status)) {}

bool AdaptorEmulator::plug() {
    const sim::AdaptorIdentity& identity = model_.identity();
    UhidDeviceSetup setup;
    setup.name = utf8(identity.product);
    setup.serial = utf8(identity.serialNumber);
    setup.bus = BUS_USB;
    setup.vendor = protocol::kVendorId;
    setup.product = identity.productId;
    setup.version = identity.versionNumber;
    setup.descriptor = kReportDescriptor;
    // A power cycle ends calibration mode; the stored settings and memory stay.
    model_.calibrationMode = false;
    started_ = false;
    if (!device_.create(setup)) {
        return false;
    }
    record({LogKind::Create, true, identity.productId, {}});
    return true;
}

bool AdaptorEmulator::unplug() {
    started_ = false;
    if (!device_.destroy()) {
        return false;
    }
    record({LogKind::Destroy, true, 0, {}});
    status_("down");
    return true;
}

bool AdaptorEmulator::serve(const UhidRequest& request) {
    switch (request.kind) {
        case UhidRequest::Kind::Start:
            started_ = true;
            nextInput_ = Clock::now();
            status_("up " + productText(model_.identity().productId));
            return true;
        case UhidRequest::Kind::Stop:
            started_ = false;
            return true;
        case UhidRequest::Kind::Close:
            // The host let go of the device, so it has every reply: the loader may restart.
            return !restartWhenClosed_ || restartUnderNewFirmware();
        case UhidRequest::Kind::GetReport:
            return answerGetReport(request);
        case UhidRequest::Kind::SetReport:
            return answerSetReport(request);
        default:
            return true;  // opens and output reports need no answer
    }
}

bool AdaptorEmulator::answerSetReport(const UhidRequest& request) {
    // uhid passes hidraw's buffer on unchanged: the report number, then the payload. A
    // USB adaptor without report IDs receives the payload alone; the model takes it
    // behind report ID 0.
    const bool wellFormed = request.reportType == UhidReportType::Feature &&
                            request.reportNumber == protocol::kReportId && !request.data.empty() &&
                            request.data[0] == request.reportNumber;
    std::vector<std::uint8_t> frame;
    bool accepted = false;
    if (wellFormed) {
        const auto payload = std::span(request.data).subspan(1);
        frame.push_back(protocol::kReportId);
        frame.insert(frame.end(), payload.begin(), payload.end());
        accepted = model_.handleSetFeature(frame);
    }
    record({LogKind::Set, accepted, 0, wellFormed ? frame : request.data});
    // Restarting at once would destroy the device before the host took this reply.
    restartWhenClosed_ = model_.isLoader() && model_.firmwareComplete();
    return device_.replySetReport(request.id, accepted ? 0 : kRefused);
}

bool AdaptorEmulator::answerGetReport(const UhidRequest& request) {
    // The model fills the whole report behind the report ID, as usbhid puts the number
    // back in front of what a USB adaptor returns; uhid expects it there too.
    std::vector<std::uint8_t> frame(model_.identity().featureReportByteLength, 0);
    frame[0] = request.reportNumber;
    const bool accepted = request.reportType == UhidReportType::Feature &&
                          request.reportNumber == protocol::kReportId &&
                          model_.handleGetFeature(frame);
    record({LogKind::Get, accepted, 0, accepted ? frame : std::vector<std::uint8_t>{}});
    if (!accepted) {
        return device_.replyGetReport(request.id, kRefused, {});
    }
    return device_.replyGetReport(request.id, 0, frame);
}

bool AdaptorEmulator::restartUnderNewFirmware() {
    restartWhenClosed_ = false;
    if (!unplug()) {
        return false;
    }
    model_ = startModel(sim::kelvoIdentity());
    return plug();
}

bool AdaptorEmulator::reportsLever() const {
    return protocol::reportsLever(protocol::signExtendedProduct(model_.identity().productId));
}

void AdaptorEmulator::holdLever(sim::LeverPosition position) {
    lever_ = sim::LeverScript::holdAt(position);
    leverStart_ = Clock::now();
}

void AdaptorEmulator::tourLever() {
    lever_ = sim::LeverScript::hPatternTour();
    leverStart_ = Clock::now();
}

bool AdaptorEmulator::sendDueInput(Clock::time_point now) {
    if (!started_ || !reportsLever() || now < nextInput_) {
        return true;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - leverStart_);
    const auto frame = model_.stateReport(lever_.positionAt(elapsed));
    // Without report IDs the adaptor sends the report without its ID byte.
    if (!device_.sendInput(std::span(frame).subspan(1))) {
        return false;
    }
    record({LogKind::Input, true, 0, {frame.begin(), frame.end()}});
    // After a stall the next report comes one interval later, not in a burst.
    nextInput_ = std::max(nextInput_ + kInputInterval, now);
    return true;
}

int AdaptorEmulator::millisecondsUntilInput(Clock::time_point now) const {
    if (!started_ || !reportsLever()) {
        return -1;
    }
    if (now >= nextInput_) {
        return 0;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextInput_ - now);
    return static_cast<int>(wait.count());
}

void AdaptorEmulator::logFinalState() {
    record({LogKind::Settings, true, 0, {model_.settings.begin(), model_.settings.end()}});
    record({LogKind::Calibration, model_.calibrationMode, 0, {}});
}

void AdaptorEmulator::record(LogEntry entry) {
    log_(formatLogEntry(entry));
}

}  // namespace e2e

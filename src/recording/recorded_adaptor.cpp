#include "recording/recorded_adaptor.h"

#include <algorithm>
#include <set>
#include <utility>

#include "i18n/translate.h"

namespace recording {
namespace {

constexpr std::int64_t kSecondUs = 1'000'000;
constexpr std::int64_t kShortestLoopUs = 1'000;

std::u16string decodedString(const std::vector<std::uint8_t>& bytes) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return text;
}

// Follows the exchanges with the adaptor's handles as the adaptor saw them.
class DeviceTracker {
  public:
    explicit DeviceTracker(RecordedDevice& device) : device_(device) {}

    bool found() const { return found_; }

    void take(const Call& call) {
        if (call.kind == CallKind::Enumerate && call.ok) {
            listed(call);
        } else if (call.kind == CallKind::Open && call.ok && found_ && call.path == device_.path) {
            handles_.insert(call.handle);
        } else if (handles_.count(call.handle) != 0) {
            onAdaptor(call);
        }
    }

  private:
    void listed(const Call& call) {
        for (const hid::InterfaceIdentity& listed : call.interfaces) {
            if (!found_ && listed.vendorId == protocol::kVendorId) {
                found_ = true;
                device_.path = listed.path;
                device_.identity.productId = listed.productId;
                device_.identity.versionNumber = listed.versionNumber;
                device_.listing = call.interfaces;
            }
            if (device_.unplugAt && !device_.replugAt && listed.path == device_.path) {
                device_.replugAt = call.timeUs;
            }
        }
    }

    void onAdaptor(const Call& call) {
        switch (call.kind) {
            case CallKind::GetCapabilities:
                if (call.ok) {
                    device_.identity.featureReportByteLength =
                        call.capabilities.FeatureReportByteLength;
                }
                break;
            case CallKind::GetString:
                if (call.ok) {
                    identityString(call.string) = decodedString(call.reply);
                }
                break;
            case CallKind::SetFeature:
                if (call.ok) {
                    sent(call.sent);
                }
                break;
            case CallKind::GetFeature:
                if (call.ok) {
                    replied(call);
                }
                break;
            case CallKind::ReadInput:
                if (call.ok && call.bytesRead > 0) {
                    // Times never run backwards, so every loop of the reports moves on.
                    const std::int64_t at =
                        device_.input.empty() ? call.timeUs
                                              : std::max(call.timeUs, device_.input.back().timeUs);
                    device_.input.push_back({at, call.reply});
                }
                break;
            case CallKind::ProbePresence:
                if (!call.ok && !device_.unplugAt) {
                    device_.unplugAt = call.timeUs;
                }
                break;
            default:
                break;
        }
    }

    std::u16string& identityString(hid::IdentityString which) {
        switch (which) {
            case hid::IdentityString::Manufacturer:
                return device_.identity.manufacturer;
            case hid::IdentityString::Product:
                return device_.identity.product;
            case hid::IdentityString::SerialNumber:
                break;
        }
        return device_.identity.serialNumber;
    }

    void sent(const std::vector<std::uint8_t>& report) {
        pending_ = Pending::None;
        if (report.size() < protocol::kCommandLength) {
            return;
        }
        if (report[1] == protocol::kRequestSettings) {
            pending_ = Pending::Settings;
        } else if (report[1] == protocol::kRequestMemoryDump) {
            pending_ = Pending::Memory;
            blocks_ = 0;
        } else if (report[1] == protocol::kWriteSetting && device_.settings &&
                   report[2] < protocol::kSettingCount) {
            (*device_.settings)[report[2]] = report[3];
        }
    }

    void replied(const Call& call) {
        if (pending_ == Pending::Settings &&
            protocol::carriesWholeReply(call.bytesRead, protocol::kSettingsReportLength)) {
            protocol::ReportBuffer reply{};
            std::copy_n(call.reply.begin(), std::min(call.reply.size(), reply.size()),
                        reply.begin());
            device_.settings = protocol::thresholdsOfReply(reply);
        } else if (pending_ == Pending::Memory &&
                   protocol::carriesWholeReply(call.bytesRead,
                                               protocol::kMemoryBlockReportLength) &&
                   call.reply.size() >= protocol::kMemoryBlockReportLength) {
            std::copy_n(
                call.reply.begin() + protocol::kMemoryBlockOffset, protocol::kMemoryBlockSize,
                dump_.begin() + static_cast<std::ptrdiff_t>(blocks_ * protocol::kMemoryBlockSize));
            if (++blocks_ < protocol::kMemoryBlockCount) {
                return;
            }
            device_.memory = dump_;
        }
        pending_ = Pending::None;
    }

    enum class Pending { None, Settings, Memory };

    RecordedDevice& device_;
    bool found_ = false;
    std::set<std::uint32_t> handles_;
    Pending pending_ = Pending::None;
    std::size_t blocks_ = 0;
    std::array<std::uint8_t, protocol::kMemorySize> dump_{};
};

}  // namespace

std::optional<RecordedDevice> recordedDevice(const Recording& recording, std::string& error) {
    RecordedDevice device;
    // Strings the recording never asked for are empty, not another adaptor's.
    device.identity.manufacturer.clear();
    device.identity.product.clear();
    device.identity.serialNumber.clear();
    DeviceTracker tracker(device);
    for (const Call& call : recording.calls) {
        tracker.take(call);
    }
    if (!tracker.found()) {
        error = i18n::translate(
            "Recording", "The recording never lists an adaptor, so there is nothing to simulate.");
        return std::nullopt;
    }
    return device;
}

RecordedAdaptor::RecordedAdaptor(RecordedDevice device, Clock clock)
    : device_(std::move(device)), clock_(std::move(clock)) {
    if (!clock_) {
        const auto start = std::chrono::steady_clock::now();
        clock_ = [start] {
            return std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - start);
        };
    }
    // Enumeration lists the interfaces in the recorded order, under the recorded paths.
    for (const hid::InterfaceIdentity& listed : device_.listing) {
        const bool isAdaptor = listed.path == device_.path;
        const sim::DeviceId id =
            isAdaptor
                ? bus_.addAdaptor(device_.identity)
                : bus_.addForeignDevice(listed.vendorId, listed.productId, listed.versionNumber);
        bus_.device(id).identity.path = listed.path;
        if (isAdaptor) {
            adaptorId_ = id;
        }
    }
    sim::AdaptorModel& model = adaptor();
    if (device_.settings) {
        model.settings = *device_.settings;
    }
    if (device_.memory) {
        model.memory = *device_.memory;
        model.settingsInMemory = false;  // a real adaptor's memory layout is its own
    }
    if (!device_.input.empty()) {
        const std::int64_t span = device_.input.back().timeUs - device_.input.front().timeUs;
        const auto count = static_cast<std::int64_t>(device_.input.size());
        const std::int64_t gap = count > 1 ? span / (count - 1) : kSecondUs;
        loopPeriod_ = std::max(span + gap, kShortestLoopUs);
        cycleStart_ = device_.input.front().timeUs;
    }
}

void RecordedAdaptor::catchUp() {
    const std::int64_t now = clock_().count();
    if (device_.unplugAt && !unplugged_ && now >= *device_.unplugAt) {
        bus_.unplug(adaptorId_);
        unplugged_ = true;
    }
    if (device_.replugAt && unplugged_ && !replugged_ && now >= *device_.replugAt) {
        bus_.replug(adaptorId_);
        replugged_ = true;
    }
    if (device_.input.empty()) {
        return;
    }
    // After a long pause only the current loop plays; the queue would drop the rest.
    if (now - cycleStart_ > 2 * loopPeriod_) {
        cycleStart_ += ((now - cycleStart_) / loopPeriod_ - 1) * loopPeriod_;
        nextReport_ = 0;
    }
    const std::int64_t first = device_.input.front().timeUs;
    const sim::SimulatedDevice& device = bus_.device(adaptorId_);
    while (cycleStart_ + device_.input[nextReport_].timeUs - first <= now) {
        if (device.inputQueue.size() < sim::kInputQueueCapacity) {
            bus_.queueInputReport(adaptorId_, device_.input[nextReport_].bytes);
            ++nextReport_;
        } else {
            // The full queue drops every report due by now, as a real one would: they are
            // passed over at once instead of one by one.
            const auto due = std::upper_bound(
                device_.input.begin() + static_cast<std::ptrdiff_t>(nextReport_),
                device_.input.end(), now - cycleStart_ + first,
                [](std::int64_t time, const TimedReport& input) { return time < input.timeUs; });
            nextReport_ = static_cast<std::size_t>(due - device_.input.begin());
        }
        if (nextReport_ == device_.input.size()) {
            nextReport_ = 0;
            cycleStart_ += loopPeriod_;
        }
    }
}

bool RecordedAdaptor::enumerate(std::vector<hid::InterfaceIdentity>& interfaces) {
    catchUp();
    return bus_.enumerate(interfaces);
}

bool RecordedAdaptor::open(const std::string& path, hid::OpenMode mode, hid::Handle& handle) {
    catchUp();
    return bus_.open(path, mode, handle);
}

bool RecordedAdaptor::close(hid::Handle& handle) {
    catchUp();
    return bus_.close(handle);
}

bool RecordedAdaptor::getAttributes(hid::Handle handle, hid::Attributes& attributes) {
    catchUp();
    return bus_.getAttributes(handle, attributes);
}

bool RecordedAdaptor::getCapabilities(hid::Handle handle, hid::Capabilities& capabilities) {
    catchUp();
    return bus_.getCapabilities(handle, capabilities);
}

bool RecordedAdaptor::setFeature(hid::Handle handle, std::span<const std::uint8_t> report) {
    catchUp();
    return bus_.setFeature(handle, report);
}

bool RecordedAdaptor::getFeature(hid::Handle handle, std::span<std::uint8_t> report,
                                 std::int32_t& bytesRead) {
    catchUp();
    return bus_.getFeature(handle, report, bytesRead);
}

bool RecordedAdaptor::readInput(hid::Handle handle, std::span<std::uint8_t> buffer,
                                std::int32_t& bytesRead) {
    catchUp();
    return bus_.readInput(handle, buffer, bytesRead);
}

bool RecordedAdaptor::getString(hid::Handle handle, hid::IdentityString which,
                                std::span<std::uint8_t> buffer) {
    catchUp();
    return bus_.getString(handle, which, buffer);
}

bool RecordedAdaptor::probePresence(hid::Handle handle) {
    catchUp();
    return bus_.probePresence(handle);
}

bool RecordedAdaptor::createReadEvent(hid::ReadEvent& event) {
    catchUp();
    return bus_.createReadEvent(event);
}

}  // namespace recording

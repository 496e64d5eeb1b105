#include "sim/adaptor_model.h"

#include <algorithm>
#include <utility>

namespace sim {

namespace {

// A command writes at most bytes 0..3, and the window never writes the bytes after
// them, so the loader tells its commands from image data by those staying zero.
bool looksLikeCommand(std::span<const std::uint8_t> report) {
    const std::uint8_t command = report[1];
    const bool knownCommand =
        command == protocol::kSetCalibrationMode || command == protocol::kRequestSettings ||
        command == protocol::kWriteSetting || command == protocol::kRequestMemoryDump;
    return knownCommand && std::all_of(report.begin() + protocol::kCommandLength,
                                       report.begin() + protocol::kFirmwareChunkReportLength,
                                       [](std::uint8_t byte) { return byte == 0; });
}

}  // namespace

AdaptorIdentity kelvoIdentity() {
    return AdaptorIdentity{};
}

AdaptorIdentity miradIdentity() {
    AdaptorIdentity identity;
    identity.productId = protocol::kMirad;
    identity.versionNumber = 0x0102;
    identity.product = u"Mirad shifter adaptor";
    identity.serialNumber = u"MR-0004711";
    return identity;
}

AdaptorIdentity usbShifterIdentity() {
    AdaptorIdentity identity;
    identity.productId = protocol::kUsbShifter;
    identity.versionNumber = 0x0100;
    identity.product = u"USB shifter adaptor";
    identity.serialNumber = u"US-0000815";
    return identity;
}

AdaptorIdentity loaderIdentity() {
    AdaptorIdentity identity;
    identity.productId = protocol::kLoader;
    identity.versionNumber = 0x0001;
    identity.product = u"Shifter adaptor loader";
    identity.serialNumber = u"";
    return identity;
}

std::optional<AdaptorIdentity> identityNamed(std::string_view simulationName) {
    const protocol::ProductInfo* product = protocol::productNamed(simulationName);
    if (product == nullptr) {
        return std::nullopt;
    }
    for (const AdaptorIdentity& identity :
         {kelvoIdentity(), miradIdentity(), usbShifterIdentity(), loaderIdentity()}) {
        if (identity.productId == product->productId) {
            return identity;
        }
    }
    return std::nullopt;
}

AdaptorModel::AdaptorModel(AdaptorIdentity identity) : identity_(std::move(identity)) {}

bool AdaptorModel::handleSetFeature(std::span<const std::uint8_t> report) {
    // A real device only takes reports of its declared length with its one report ID.
    if (report.size() != identity_.featureReportByteLength || report.empty() ||
        report[0] != protocol::kReportId) {
        return false;
    }
    if (isLoader()) {
        if (firmwareComplete() || report.size() < protocol::kFirmwareChunkReportLength) {
            return false;
        }
        if (looksLikeCommand(report)) {
            return true;  // the window's connect and close commands reach every product
        }
        firmwareReceived.insert(firmwareReceived.end(), report.begin() + 1,
                                report.begin() + protocol::kFirmwareChunkReportLength);
        ++firmwareChunksReceived;
        return true;
    }
    if (report.size() < 2) {
        return true;  // no command byte: nothing to do
    }
    // Bytes beyond the ones a command uses are ignored; missing ones read as zero.
    const auto byteAt = [&](std::size_t i) -> std::uint8_t {
        return i < report.size() ? report[i] : 0;
    };
    switch (report[1]) {
        case protocol::kSetCalibrationMode:
            calibrationMode = byteAt(2) != 0;
            break;
        case protocol::kRequestSettings:
            pending_ = PendingReply::Settings;
            break;
        case protocol::kWriteSetting:
            if (byteAt(2) < settings.size()) {
                settings[byteAt(2)] = byteAt(3);
            }
            break;
        case protocol::kRequestMemoryDump:
            pending_ = PendingReply::MemoryBlocks;
            nextBlock_ = 0;
            break;
        default:
            break;  // unknown commands are accepted and ignored
    }
    return true;
}

bool AdaptorModel::handleGetFeature(std::span<std::uint8_t> report) {
    if (isLoader() || report.size() != identity_.featureReportByteLength || report.empty() ||
        report[0] != protocol::kReportId) {
        return false;
    }
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    // Copies as much of `payload` as fits from byte `offset` on.
    const auto put = [&](std::size_t offset, std::span<const std::uint8_t> payload) {
        if (offset >= report.size()) {
            return;
        }
        const std::size_t count = std::min(payload.size(), report.size() - offset);
        std::copy_n(payload.begin(), count, report.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    switch (pending_) {
        case PendingReply::Settings:
            put(protocol::kSettingsOffset, settings);
            pending_ = PendingReply::None;
            break;
        case PendingReply::MemoryBlocks: {
            const auto dumped = dumpedMemory();
            put(protocol::kMemoryBlockOffset,
                std::span(dumped).subspan(nextBlock_ * protocol::kMemoryBlockSize,
                                          protocol::kMemoryBlockSize));
            if (++nextBlock_ == protocol::kMemoryBlockCount) {
                pending_ = PendingReply::None;
            }
            break;
        }
        case PendingReply::None:
            break;  // nothing asked for: a zero payload
    }
    return true;
}

std::array<std::uint8_t, protocol::kMemorySize> AdaptorModel::dumpedMemory() const {
    std::array<std::uint8_t, protocol::kMemorySize> bytes = memory;
    if (settingsInMemory) {
        std::copy(settings.begin(), settings.end(), bytes.begin());
    }
    return bytes;
}

GearReading AdaptorModel::gearFor(const LeverPosition& lever) const {
    if (lever.sequential) {
        if (lever.y > settings[protocol::kAddressSeqH1]) {
            return {0x80, 0};
        }
        if (lever.y < settings[protocol::kAddressSeqH2]) {
            return {0, 1};
        }
        return {};
    }
    int column = 1;
    if (lever.x < settings[protocol::kAddressV1]) {
        column = 0;
    } else if (lever.x > settings[protocol::kAddressV2]) {
        column = 2;
    }
    // Odd gears sit on the upper line, even gears on the lower one.
    int gear = 0;
    if (lever.y > settings[protocol::kAddressH1]) {
        gear = 2 * column + 1;
    } else if (lever.y < settings[protocol::kAddressH2]) {
        gear = 2 * column + 2;
    }
    if (gear == 0) {
        return {};
    }
    return {static_cast<std::uint8_t>(1u << (gear - 1)), 0};
}

std::array<std::uint8_t, protocol::kShifterStateLength> AdaptorModel::stateReport(
    const LeverPosition& lever) const {
    const GearReading reading = gearFor(lever);
    return {protocol::kReportId,
            lever.x,
            lever.y,
            reading.gearMask,
            reading.flag,
            lever.sequential ? protocol::kSequentialMode : protocol::kHPatternMode};
}

}  // namespace sim

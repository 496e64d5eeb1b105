#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/adaptor_protocol.h"

// The adaptor as the PC sees it: identity, stored settings, calibration mode, memory,
// firmware loader, and the gear its firmware decides from the lever position.
// Independent of any bus, so every transport (simulated bus, kernel uhid) shares it.
namespace sim {

struct AdaptorIdentity {
    std::uint16_t productId = protocol::kKelvo;
    std::uint16_t versionNumber = 0x0105;
    std::u16string manufacturer = u"Corvane";
    std::u16string product = u"Kelvo shifter adaptor";
    std::u16string serialNumber = u"KV-0001234";
    // Report ID byte included, as the capability query reports it.
    std::uint16_t featureReportByteLength = 65;
};

// Default identities of the four products.
AdaptorIdentity kelvoIdentity();
AdaptorIdentity miradIdentity();
AdaptorIdentity usbShifterIdentity();
AdaptorIdentity loaderIdentity();
// The default identity of the product `simulationName` names (protocol::kProducts):
// "kelvo", "mirad", "usb" or "loader"; none for another name.
std::optional<AdaptorIdentity> identityNamed(std::string_view simulationName);

// The thresholds a fresh adaptor holds, by setting address 0..5.
inline constexpr std::array<std::uint8_t, protocol::kSettingCount> kFactorySettings{80,  175, 70,
                                                                                    185, 75,  180};

// One position of the lever.
struct LeverPosition {
    std::uint8_t x = 128;
    std::uint8_t y = 128;
    bool sequential = false;
};

// What the adaptor's firmware reports for a position: gear mask and flag byte.
struct GearReading {
    std::uint8_t gearMask = 0;
    std::uint8_t flag = 0;
};

class AdaptorModel {
  public:
    explicit AdaptorModel(AdaptorIdentity identity = kelvoIdentity());

    const AdaptorIdentity& identity() const { return identity_; }
    AdaptorIdentity& identity() { return identity_; }

    // A feature report sent by the PC (byte 0 = report ID). False when the adaptor
    // does not accept it (wrong length). In loader mode every report is a chunk.
    bool handleSetFeature(std::span<const std::uint8_t> report);
    // Fills `report` from byte 0 with the reply the last command asked for.
    bool handleGetFeature(std::span<std::uint8_t> report);

    // The input report for a lever position: 6 bytes, report ID first.
    std::array<std::uint8_t, protocol::kShifterStateLength> stateReport(
        const LeverPosition& lever) const;
    GearReading gearFor(const LeverPosition& lever) const;

    std::array<std::uint8_t, protocol::kSettingCount> settings = kFactorySettings;
    std::array<std::uint8_t, protocol::kMemorySize> memory{};
    // This adaptor keeps setting address k in memory byte k, so a dump shows the stored
    // settings there; off for memory that came from elsewhere (a recorded dump).
    bool settingsInMemory = true;
    // The 128 bytes a dump hands out.
    std::array<std::uint8_t, protocol::kMemorySize> dumpedMemory() const;
    bool calibrationMode = false;

    // Loader: the image received so far, and whether all of it arrived.
    static constexpr std::size_t kFirmwareChunkCount = 202;
    std::vector<std::uint8_t> firmwareReceived;
    std::size_t firmwareChunksReceived = 0;
    bool isLoader() const {
        return protocol::isLoader(protocol::signExtendedProduct(identity_.productId));
    }
    bool firmwareComplete() const { return firmwareChunksReceived >= kFirmwareChunkCount; }

  private:
    enum class PendingReply { None, Settings, MemoryBlocks };

    AdaptorIdentity identity_;
    PendingReply pending_ = PendingReply::None;
    std::size_t nextBlock_ = 0;
};

}  // namespace sim

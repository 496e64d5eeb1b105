#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/products.h"

// The adaptor's report protocol: command bytes, setting addresses and report layouts;
// its products are in protocol/products.h. Byte 0 of every report is the report ID, always 0.
namespace protocol {

inline constexpr std::uint8_t kReportId = 0;
inline constexpr std::uint8_t kSetCalibrationMode = 0xDB;
inline constexpr std::uint8_t kRequestSettings = 0xF0;
inline constexpr std::uint8_t kWriteSetting = 0xEE;
inline constexpr std::uint8_t kRequestMemoryDump = 0xD0;

enum SettingAddress : std::uint8_t {
    kAddressV1 = 0,
    kAddressV2 = 1,
    kAddressH2 = 2,
    kAddressH1 = 3,
    kAddressSeqH2 = 4,
    kAddressSeqH1 = 5,
};
inline constexpr std::size_t kSettingCount = 6;

// The connection's send and receive buffers.
inline constexpr std::size_t kBufferSize = 257;
using ReportBuffer = std::array<std::uint8_t, kBufferSize>;
// Input reads ask for this many bytes.
inline constexpr std::size_t kInputReadLength = 255;

// Feature-report lengths each exchange needs (report ID included).
inline constexpr std::size_t kCommandLength = 4;
inline constexpr std::size_t kSettingsReportLength = 8;
inline constexpr std::size_t kMemoryBlockReportLength = 18;
inline constexpr std::size_t kFirmwareChunkReportLength = 41;

// The feature-report length an adaptor reporting `featureReportLength` uses for an
// exchange needing `lengthNeeded` bytes; 0 when its reports are too short for it or too
// long for the connection's buffers.
std::size_t usableFeatureLength(std::size_t featureReportLength, std::size_t lengthNeeded);

inline constexpr std::size_t kSettingsOffset = 2;  // address k in byte k + 2
inline constexpr std::size_t kMemoryBlockOffset = 2;
inline constexpr std::size_t kMemoryBlockSize = 16;
inline constexpr std::size_t kMemoryBlockCount = 8;
inline constexpr std::size_t kMemorySize = kMemoryBlockSize * kMemoryBlockCount;
inline constexpr std::size_t kFirmwareChunkPayload = 40;

// Input report: byte 1 X, 2 Y, 3 gear mask, 4 flag, 5 mode flags.
inline constexpr std::size_t kShifterStateLength = 6;
inline constexpr std::uint8_t kSequentialModeBit = 0x02;
inline constexpr std::uint8_t kHPatternMode = 0;
inline constexpr std::uint8_t kSequentialMode = kSequentialModeBit;

inline constexpr std::uint8_t modeOf(std::uint8_t modeFlags) {
    return modeFlags & kSequentialModeBit;
}

// Command writers: each writes only the bytes its command lists.
void writeSetCalibrationMode(ReportBuffer& buffer, bool on);
void writeRequestSettings(ReportBuffer& buffer);
void writeWriteSetting(ReportBuffer& buffer, std::uint8_t address, std::uint8_t value);
void writeRequestMemoryDump(ReportBuffer& buffer);
// Fills bytes 0..40 of `chunk` (which must hold at least 41 bytes) from `payload`.
void writeFirmwareChunk(std::span<std::uint8_t> chunk,
                        std::span<const std::uint8_t, kFirmwareChunkPayload> payload);

}  // namespace protocol

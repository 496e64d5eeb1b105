#include "protocol/adaptor_protocol.h"

#include <algorithm>

namespace protocol {

std::size_t usableFeatureLength(std::size_t featureReportLength, std::size_t lengthNeeded) {
    return (featureReportLength >= lengthNeeded && featureReportLength <= kBufferSize)
               ? featureReportLength
               : 0;
}

void writeSetCalibrationMode(ReportBuffer& buffer, bool on) {
    buffer[0] = kReportId;
    buffer[1] = kSetCalibrationMode;
    buffer[2] = on ? 1 : 0;
}

void writeRequestSettings(ReportBuffer& buffer) {
    buffer[0] = kReportId;
    buffer[1] = kRequestSettings;
}

void writeWriteSetting(ReportBuffer& buffer, std::uint8_t address, std::uint8_t value) {
    buffer[0] = kReportId;
    buffer[1] = kWriteSetting;
    buffer[2] = address;
    buffer[3] = value;
}

void writeRequestMemoryDump(ReportBuffer& buffer) {
    buffer[0] = kReportId;
    buffer[1] = kRequestMemoryDump;
}

void writeFirmwareChunk(std::span<std::uint8_t> chunk,
                        std::span<const std::uint8_t, kFirmwareChunkPayload> payload) {
    chunk[0] = kReportId;
    std::copy(payload.begin(), payload.end(), chunk.begin() + 1);
}

}  // namespace protocol

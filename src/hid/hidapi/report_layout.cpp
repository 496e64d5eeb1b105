#include "hid/hidapi/report_layout.h"

#include <algorithm>

namespace hid {

std::size_t placeInputReport(std::span<const std::uint8_t> received, bool deviceUsesReportIds,
                             std::span<std::uint8_t> out) {
    if (out.empty()) {
        return 0;
    }
    std::size_t written = 0;
    if (!deviceUsesReportIds) {
        out[0] = 0;
        written = 1;
    }
    const std::size_t copied = std::min(received.size(), out.size() - written);
    std::copy_n(received.begin(), copied, out.begin() + static_cast<std::ptrdiff_t>(written));
    return written + copied;
}

void placeFeatureReply(std::uint8_t reportId, std::span<const std::uint8_t> reply,
                       std::span<std::uint8_t> out) {
    if (out.empty()) {
        return;
    }
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    out[0] = reportId;
    if (reply.size() > 1) {
        const std::size_t copied = std::min(reply.size() - 1, out.size() - 1);
        std::copy_n(reply.begin() + 1, copied, out.begin() + 1);
    }
}

}  // namespace hid

#include "hid/report_descriptor.h"

#include <array>

namespace hid {
namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kMaxPushDepth = 16;
// The largest report whose byte length, with its ID byte, still fits 16 bits.
constexpr std::uint64_t kMaxReportBits = (0xFFFFull - 1) * 8;

enum ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

enum MainTag : std::uint8_t {
    Input = 0x8,
    Output = 0x9,
    Collection = 0xA,
    Feature = 0xB,
    EndCollection = 0xC,
};

enum GlobalTag : std::uint8_t {
    ReportSize = 0x7,
    ReportId = 0x8,
    ReportCount = 0x9,
    Push = 0xA,
    Pop = 0xB,
};

// The part of the global state that decides report sizes.
struct Globals {
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;  // 0 while no Report ID item applies
};

// Bits per report ID, for one report type.
using ReportBits = std::array<std::uint64_t, 256>;

struct Item {
    std::uint8_t type = 0;
    std::uint8_t tag = 0;
    std::uint32_t value = 0;
    std::size_t dataSize = 0;
};

std::uint32_t littleEndian(std::span<const std::uint8_t> data) {
    std::uint32_t value = 0;
    for (std::size_t i = data.size(); i > 0; --i) {
        value = (value << 8) | data[i - 1];
    }
    return value;
}

std::uint16_t windowsByteLength(const ReportBits& reports) {
    std::uint64_t largest = 0;
    bool any = false;
    for (std::uint64_t bits : reports) {
        if (bits > 0) {
            any = true;
            largest = bits > largest ? bits : largest;
        }
    }
    if (!any) {
        return 0;
    }
    return static_cast<std::uint16_t>((largest + 7) / 8 + 1);
}

class Parser {
  public:
    explicit Parser(std::span<const std::uint8_t> descriptor) : bytes_(descriptor) {}

    DescriptorParse run() {
        if (bytes_.empty()) {
            return fail(DescriptorError::Empty);
        }
        while (offset_ < bytes_.size()) {
            DescriptorError error = step();
            if (error != DescriptorError::None) {
                return fail(error);
            }
        }
        if (collectionDepth_ != 0) {
            return fail(DescriptorError::UnbalancedCollection);
        }
        if (usesReportIds_ && (input_[0] || output_[0] || feature_[0])) {
            return fail(DescriptorError::MixedReportIds);
        }
        DescriptorParse result;
        result.summary.usesReportIds = usesReportIds_;
        result.summary.inputReportByteLength = windowsByteLength(input_);
        result.summary.outputReportByteLength = windowsByteLength(output_);
        result.summary.featureReportByteLength = windowsByteLength(feature_);
        return result;
    }

  private:
    DescriptorParse fail(DescriptorError error) const {
        DescriptorParse result;
        result.error = error;
        result.errorOffset = offset_;
        return result;
    }

    // Handles the item at offset_ and moves past it; offset_ stays on a failing item.
    DescriptorError step() {
        const std::size_t remaining = bytes_.size() - offset_;
        const std::uint8_t prefix = bytes_[offset_];
        if (prefix == kLongItemPrefix) {
            // Long items carry their data size in the next byte; none is meaningful here.
            if (remaining < 3 || remaining - 3 < bytes_[offset_ + 1]) {
                return DescriptorError::Truncated;
            }
            offset_ += 3 + bytes_[offset_ + 1];
            return DescriptorError::None;
        }
        Item item;
        item.dataSize = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        item.type = (prefix >> 2) & 0x3;
        item.tag = prefix >> 4;
        if (remaining - 1 < item.dataSize) {
            return DescriptorError::Truncated;
        }
        item.value = littleEndian(bytes_.subspan(offset_ + 1, item.dataSize));
        DescriptorError error = apply(item);
        if (error == DescriptorError::None) {
            offset_ += 1 + item.dataSize;
        }
        return error;
    }

    DescriptorError apply(const Item& item) {
        switch (item.type) {
            case Main:
                return applyMain(item);
            case Global:
                return applyGlobal(item);
            case Local:
                return DescriptorError::None;  // usages do not change sizes
            default:
                return DescriptorError::None;  // reserved type: the kernel skips it too
        }
    }

    DescriptorError applyMain(const Item& item) {
        switch (item.tag) {
            case Input:
                return addBits(input_);
            case Output:
                return addBits(output_);
            case Feature:
                return addBits(feature_);
            case Collection:
                ++collectionDepth_;
                return DescriptorError::None;
            case EndCollection:
                if (collectionDepth_ == 0) {
                    return DescriptorError::UnbalancedCollection;
                }
                --collectionDepth_;
                return DescriptorError::None;
            default:
                return DescriptorError::None;  // reserved tag: the kernel warns and skips it
        }
    }

    DescriptorError applyGlobal(const Item& item) {
        switch (item.tag) {
            case ReportSize:
                globals_.reportSize = item.value;
                return DescriptorError::None;
            case ReportCount:
                globals_.reportCount = item.value;
                return DescriptorError::None;
            case ReportId:
                if (item.dataSize == 0 || item.value == 0 || item.value > 255) {
                    return DescriptorError::BadReportId;
                }
                globals_.reportId = item.value;
                usesReportIds_ = true;
                return DescriptorError::None;
            case Push:
                if (stackDepth_ == kMaxPushDepth) {
                    return DescriptorError::PushTooDeep;
                }
                stack_[stackDepth_++] = globals_;
                return DescriptorError::None;
            case Pop:
                if (stackDepth_ == 0) {
                    return DescriptorError::PopWithoutPush;
                }
                globals_ = stack_[--stackDepth_];
                return DescriptorError::None;
            default:
                return DescriptorError::None;  // usage page, limits, units
        }
    }

    DescriptorError addBits(ReportBits& reports) {
        // Both factors are 32-bit, so the product cannot overflow 64 bits.
        const std::uint64_t bits =
            std::uint64_t{globals_.reportSize} * std::uint64_t{globals_.reportCount};
        std::uint64_t& total = reports[globals_.reportId];
        if (bits > kMaxReportBits - total) {
            return DescriptorError::ReportTooLong;
        }
        total += bits;
        return DescriptorError::None;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    Globals globals_;
    std::array<Globals, kMaxPushDepth> stack_{};
    std::size_t stackDepth_ = 0;
    std::size_t collectionDepth_ = 0;
    bool usesReportIds_ = false;
    ReportBits input_{};
    ReportBits output_{};
    ReportBits feature_{};
};

}  // namespace

DescriptorParse parseReportDescriptor(std::span<const std::uint8_t> descriptor) {
    return Parser(descriptor).run();
}

const char* describe(DescriptorError error) {
    switch (error) {
        case DescriptorError::None:
            return "no error";
        case DescriptorError::Empty:
            return "empty report descriptor";
        case DescriptorError::Truncated:
            return "item data runs past the end of the descriptor";
        case DescriptorError::BadReportId:
            return "report ID must be 1 to 255";
        case DescriptorError::PushTooDeep:
            return "too many nested Push items";
        case DescriptorError::PopWithoutPush:
            return "Pop without a matching Push";
        case DescriptorError::UnbalancedCollection:
            return "unbalanced Collection / End Collection";
        case DescriptorError::ReportTooLong:
            return "report longer than 65534 bytes";
        case DescriptorError::MixedReportIds:
            return "data items both with and without a report ID";
    }
    return "unknown error";
}

}  // namespace hid

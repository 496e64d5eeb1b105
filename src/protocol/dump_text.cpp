#include "protocol/dump_text.h"

namespace protocol {
namespace {

constexpr std::size_t kRowFields = 16;
constexpr std::size_t kFieldLength = 3;

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isField(std::string_view field) {
    return field == kUnreadField ||
           (field[0] == ' ' && isHexDigit(field[1]) && isHexDigit(field[2]));
}

}  // namespace

std::string byteField(std::uint8_t value) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    return {' ', kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string modelLabel(std::uint16_t productId) {
    const ProductInfo* product = productWithId(productId);
    return product == nullptr || product->modelName.empty()
               ? std::string()
               : std::string(product->modelName) + ": ";
}

void appendBlockFields(std::string& text,
                       std::span<const std::uint8_t, protocol::kMemoryBlockSize> block,
                       std::size_t carried) {
    for (std::size_t i = 0; i < block.size(); ++i) {
        text += i < carried ? byteField(block[i]) : std::string(kUnreadField);
    }
}

std::string memoryDumpText(std::uint16_t productId, const BlockFetch& fetchBlock) {
    std::string text(modelLabel(productId));
    protocol::ReportBuffer reply{};
    for (std::size_t block = 0; block < protocol::kMemoryBlockCount; ++block) {
        const std::size_t received = fetchBlock(reply);
        appendBlockFields(
            text,
            std::span<const std::uint8_t>(reply)
                .subspan<protocol::kMemoryBlockOffset, protocol::kMemoryBlockSize>(),
            received > protocol::kMemoryBlockOffset ? received - protocol::kMemoryBlockOffset : 0);
    }
    return text;
}

std::string dumpRows(std::string_view text) {
    std::size_t fieldsStart = text.size();
    while (fieldsStart >= kFieldLength &&
           isField(text.substr(fieldsStart - kFieldLength, kFieldLength))) {
        fieldsStart -= kFieldLength;
    }
    const std::size_t fields = (text.size() - fieldsStart) / kFieldLength;
    if (fields == 0 || fields % kRowFields != 0) {
        return std::string(text);
    }
    std::string_view label = text.substr(0, fieldsStart);
    while (label.ends_with(' ')) {
        label.remove_suffix(1);
    }
    std::string rows(label);
    for (std::size_t first = 0; first < fields; first += kRowFields) {
        if (!rows.empty()) {
            rows += '\n';
        }
        rows += byteField(static_cast<std::uint8_t>(first)).substr(1) + ':';
        rows += text.substr(fieldsStart + first * kFieldLength, kRowFields * kFieldLength);
    }
    return rows;
}

}  // namespace protocol

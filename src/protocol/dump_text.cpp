#include "protocol/dump_text.h"

namespace protocol {

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

}  // namespace protocol

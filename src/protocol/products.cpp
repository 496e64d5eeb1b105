#include "protocol/products.h"

#include <algorithm>

namespace protocol {
namespace {

template <typename Matches>
const ProductInfo* findProduct(Matches matches) {
    const auto found = std::find_if(kProducts.begin(), kProducts.end(), matches);
    return found == kProducts.end() ? nullptr : &*found;
}

}  // namespace

const ProductInfo* productWithId(std::uint16_t productId) {
    return findProduct([&](const ProductInfo& product) { return product.productId == productId; });
}

const ProductInfo* productNamed(std::string_view simulationName) {
    return findProduct(
        [&](const ProductInfo& product) { return product.simulationName == simulationName; });
}

bool isAcceptedAdaptor(std::uint16_t vendorId, std::uint16_t productId) {
    return vendorId == kVendorId && productWithId(productId) != nullptr;
}

const ProductInfo* recordedProduct(std::int32_t productId) {
    return findProduct(
        [&](const ProductInfo& product) { return isProduct(productId, product.productId); });
}

bool reportsLever(std::int32_t productId) {
    const ProductInfo* product = recordedProduct(productId);
    return product != nullptr && product->reportsLever;
}

bool offersMemoryDump(std::int32_t productId) {
    const ProductInfo* product = recordedProduct(productId);
    return product != nullptr && product->offersMemoryDump;
}

bool isLoader(std::int32_t productId) {
    const ProductInfo* product = recordedProduct(productId);
    return product != nullptr && product->isLoader;
}

}  // namespace protocol

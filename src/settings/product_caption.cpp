#include "settings/product_caption.h"

#include "protocol/products.h"
#include "window/window_texts.h"

namespace settings {

std::string captionForProduct(std::int32_t productId) {
    const protocol::ProductInfo* product = protocol::recordedProduct(productId);
    return i18n::translate("Window",
                           product == nullptr ? window::kDisconnectedCaption : product->caption);
}

}  // namespace settings

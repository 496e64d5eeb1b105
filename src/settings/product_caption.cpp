#include "settings/product_caption.h"

#include "protocol/products.h"
#include "window/window_texts.h"

namespace settings {

std::string captionForProduct(std::int32_t productId) {
    if (protocol::isProduct(productId, protocol::kLoader)) {
        return window::kLoaderCaption;
    }
    if (protocol::isProduct(productId, protocol::kMirad)) {
        return window::kMiradCaption;
    }
    if (protocol::isProduct(productId, protocol::kKelvo)) {
        return window::kKelvoCaption;
    }
    if (protocol::isProduct(productId, protocol::kUsbShifter)) {
        return window::kUsbShifterCaption;
    }
    return window::kDisconnectedCaption;
}

}  // namespace settings

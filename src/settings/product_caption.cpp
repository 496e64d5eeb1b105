#include "settings/product_caption.h"

#include "protocol/products.h"
#include "window/window_texts.h"

namespace settings {

std::string captionForProduct(std::int32_t productId) {
    if (protocol::isProduct(productId, protocol::kLoader)) {
        return i18n::translate("Window", window::kLoaderCaption);
    }
    if (protocol::isProduct(productId, protocol::kMirad)) {
        return i18n::translate("Window", window::kMiradCaption);
    }
    if (protocol::isProduct(productId, protocol::kKelvo)) {
        return i18n::translate("Window", window::kKelvoCaption);
    }
    if (protocol::isProduct(productId, protocol::kUsbShifter)) {
        return i18n::translate("Window", window::kUsbShifterCaption);
    }
    return i18n::translate("Window", window::kDisconnectedCaption);
}

}  // namespace settings

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "i18n/translate.h"

// The products of our vendor: one table of who each is and what each can do. Every
// layer asks it, by the USB product identifier or by the sign-extended one the window's
// connection record holds.
namespace protocol {

inline constexpr std::uint16_t kVendorId = 0x1DD2;
inline constexpr std::uint16_t kKelvo = 0x10A0;
inline constexpr std::uint16_t kMirad = 0x10A1;
inline constexpr std::uint16_t kUsbShifter = 0x10A2;
inline constexpr std::uint16_t kLoader = 0xB016;

struct ProductInfo {
    std::uint16_t productId;
    // How --simulate and the test adaptors name it: "kelvo".
    std::string_view simulationName;
    // The model's own name, shown as it is and heading its memory dump ("Kelvo: ");
    // empty for a product without one.
    std::string_view modelName;
    // For a product without a model name: what the commands call it, in English,
    // translated in the context "Commands".
    const char* describedAs;
    // The window's caption while it is connected, translated in the context "Window".
    const char* caption;
    bool reportsLever;      // sends the lever's position and gear
    bool offersMemoryDump;  // hands out its memory
    bool isLoader;          // waits for a firmware image and holds no thresholds
};

// In the order discovery tries them.
inline constexpr std::array<ProductInfo, 4> kProducts{{
    {kKelvo, "kelvo", "Kelvo", nullptr,
     QT_TRANSLATE_NOOP("Window", "Kelvo shifter interface calibration v1.5"), true, true, false},
    {kMirad, "mirad", "Mirad", nullptr,
     QT_TRANSLATE_NOOP("Window", "Mirad shifter interface calibration v1.5"), true, true, false},
    {kUsbShifter, "usb", "", QT_TRANSLATE_NOOP("Commands", "USB shifter"),
     QT_TRANSLATE_NOOP("Window", "USB shifter interface calibration v1.5"), true, false, false},
    {kLoader, "loader", "", QT_TRANSLATE_NOOP("Commands", "firmware loader"),
     QT_TRANSLATE_NOOP("Window", "Kelvo/Mirad shifter interface calibration"), false, false, true},
}};

// The product with this USB product identifier; none for another device.
const ProductInfo* productWithId(std::uint16_t productId);

// The product `simulationName` names (exactly, in lower case); none for another name.
const ProductInfo* productNamed(std::string_view simulationName);

// Our vendor and one of our products.
bool isAcceptedAdaptor(std::uint16_t vendorId, std::uint16_t productId);

// The product identifier as the record holds it: sign-extended from 16 bits.
inline constexpr std::int32_t signExtendedProduct(std::uint16_t productId) {
    return static_cast<std::int16_t>(productId);
}

// Whether the record's sign-extended product identifier is `product`.
inline constexpr bool isProduct(std::int32_t productId, std::uint16_t product) {
    return productId == signExtendedProduct(product);
}

// The product of the record's sign-extended product identifier; none for another.
const ProductInfo* recordedProduct(std::int32_t productId);

// By the record's sign-extended product identifier: false for a device not ours.
bool reportsLever(std::int32_t productId);
bool offersMemoryDump(std::int32_t productId);
bool isLoader(std::int32_t productId);

}  // namespace protocol

#include "commands/command_text.h"

#include "diagnosis/diagnosis_text.h"
#include "i18n/translate.h"
#include "protocol/identity_text.h"
#include "protocol/products.h"

namespace commands {
namespace {

// "NAME=value" for each threshold `valueOf` gives, in the order of the thresholds' table.
template <typename ValueOf>
std::string namedValues(ValueOf valueOf) {
    std::string text;
    for (const protocol::ThresholdFacts& setting : protocol::kThresholds) {
        if (const std::optional<std::uint8_t> value = valueOf(setting.address)) {
            text += (text.empty() ? "" : " ") + std::string(setting.name) + "=" +
                    std::to_string(*value);
        }
    }
    return text;
}

}  // namespace

std::string productName(std::uint16_t productId) {
    const protocol::ProductInfo* product = protocol::productWithId(productId);
    if (product == nullptr) {
        return i18n::translate("Commands", "unknown");
    }
    return product->modelName.empty() ? i18n::translate("Commands", product->describedAs)
                                      : std::string(product->modelName);
}

std::string versionNumberText(std::uint16_t versionNumber) {
    return protocol::versionText(versionNumber).substr(1);  // without the leading space
}

std::string thresholdsText(const Thresholds& thresholds) {
    return namedValues(
        [&](std::uint8_t address) { return std::optional<std::uint8_t>(thresholds[address]); });
}

std::string assignmentsText(const std::vector<Assignment>& assignments) {
    return namedValues([&](std::uint8_t address) -> std::optional<std::uint8_t> {
        for (const Assignment& assignment : assignments) {
            if (assignment.address == address) {
                return assignment.value;
            }
        }
        return std::nullopt;
    });
}

// The device's own texts are printed as protocol::visibleText shows them.
std::string identityLine(const AdaptorIdentity& identity) {
    return i18n::arg(
        i18n::translate("Commands", "%1  %2  version %3  serial %4"),
        {protocol::visibleText(identity.path), productName(identity.productId),
         versionNumberText(identity.versionNumber),
         identity.serialNumber.empty() ? i18n::translate("Commands", "unknown")
                                       : protocol::visibleText(identity.serialNumber)});
}

std::string identityBlock(const AdaptorIdentity& identity) {
    return i18n::arg(
        i18n::translate("Commands",
                        "Path: %1\nProduct: %2 (%3)\nManufacturer: "
                        "%4\nVersion: %5\nSerial number: %6\n"),
        {protocol::visibleText(identity.path), productName(identity.productId),
         protocol::visibleText(identity.product), protocol::visibleText(identity.manufacturer),
         versionNumberText(identity.versionNumber), protocol::visibleText(identity.serialNumber)});
}

std::string noAdaptorText(const diagnosis::Diagnosis* access) {
    std::string text = i18n::translate("Commands", "No adaptor could be opened.");
    if (access != nullptr && access->finding != diagnosis::Finding::AllWell) {
        const diagnosis::Fix fix = diagnosis::fixFor(*access);
        text += " " + fix.sentence + (fix.command.empty() ? "" : "\n    " + fix.command);
    }
    return text + "\n";
}

}  // namespace commands

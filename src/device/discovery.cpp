// Finding and opening the adaptor, and closing the connection.
#include <string>

#include "protocol/link_rules.h"
#include "window/frm_main.h"
#include "window/window_texts.h"

using protocol::isAcceptedAdaptor;

namespace {

std::string unusableLengthStatus(std::size_t length) {
    return i18n::arg(i18n::translate("Window",
                                     "The adaptor is plugged in, but its feature reports are %1 "
                                     "bytes long, and this program can exchange settings only "
                                     "in reports of %2 to %3 bytes: nothing is sent to it."),
                     {std::to_string(length), std::to_string(protocol::kSettingsReportLength),
                      std::to_string(protocol::kBufferSize)});
}

}  // namespace

bool frmMain::FindTheHid() {
    session.isConnected = false;
    accessRefused_ = false;
    unreadableStatus_.clear();
    std::vector<hid::InterfaceIdentity> interfaces;
    session.lastResult = hid_.enumerate(interfaces);

    // The first accepted interface in enumeration order that opens wins. Identity comes
    // from enumeration, so other devices are never opened.
    for (const hid::InterfaceIdentity& candidate : interfaces) {
        if (!isAcceptedAdaptor(candidate.vendorId, candidate.productId)) {
            continue;
        }
        session.attributes = hid::Attributes{};
        session.attributes.Size = hid::kAttributesSize;
        session.devicePath = candidate.path;
        session.lastResult =
            hid_.open(session.devicePath, hid::OpenMode::FeatureReports, session.deviceHandle);
        accessRefused_ = accessRefused_ || !session.lastResult;
        if (session.lastResult) {
            session.lastResult = hid_.getAttributes(session.deviceHandle, session.attributes);
        }
        if (!session.lastResult) {
            // A device that cannot be opened or queried counts as vendor 0.
            session.attributes.VendorID = 0;
            session.attributes.ProductID = 0;
        }
        if (isAcceptedAdaptor(session.attributes.VendorID, session.attributes.ProductID)) {
            ReadHidCaps();
            // Without report sizes that can carry its settings nothing could be exchanged
            // with the adaptor, so it is refused like one that cannot be opened.
            const bool capsRead = session.lastResult != 0;
            const std::size_t length = session.caps.FeatureReportByteLength;
            if (!capsRead) {
                unreadableStatus_ = i18n::translate("Window", window::kAdaptorUnreadableStatus);
            } else if (!protocol::isUsableFeatureLength(length)) {
                unreadableStatus_ = unusableLengthStatus(length);
            } else if (protocol::isUsableAdaptor(session.attributes.VendorID,
                                                 session.attributes.ProductID, length)) {
                session.isConnected = true;
                break;
            }
        }
        session.lastResult = hid_.close(session.deviceHandle);
    }
    if (!session.isConnected) {
        return false;
    }
    accessRefused_ = false;
    unreadableStatus_.clear();

    session.productId = protocol::signExtendedProduct(session.attributes.ProductID);
    session.lastResult =
        hid_.open(session.devicePath, hid::OpenMode::NonBlockingInput, session.inputHandle);
    ArmReadEvent();
    return true;
}

void frmMain::ReadHidCaps() {
    session.caps = hid::Capabilities{};
    session.lastResult = hid_.getCapabilities(session.deviceHandle, session.caps);
}

void frmMain::ArmReadEvent() {
    if (session.inputEvent == hid::ReadEvent::None) {
        session.lastResult = hid_.createReadEvent(session.inputEvent);
    }
    session.inputOverlap.Offset = 0;
    session.inputOverlap.OffsetHigh = 0;
    session.inputOverlap.hEvent = session.inputEvent;
}

void frmMain::CloseConnection() {
    session.lastResult = hid_.close(session.deviceHandle);
    session.lastResult = hid_.close(session.inputHandle);
}

// Right after a plug-in the system may refuse the open until the access rule applies;
// only a refusal that lasts about a second (three searches) is worth a word. An adaptor
// whose report sizes are unknown or unusable stays so until it is replugged: said at once.
void frmMain::ShowAccessStatus() {
    status.setCondition(window::Condition::AdaptorUnreadable, unreadableStatus_);
    constexpr int kSearchesBeforeStatus = 3;
    refusedSearches_ = accessRefused_ ? refusedSearches_ + 1 : 0;
    if (refusedSearches_ == kSearchesBeforeStatus) {
        std::string advice = options_.accessAdvice ? options_.accessAdvice() : std::string();
        status.setCondition(window::Condition::AccessRefused,
                            advice.empty() ? i18n::translate("Window", window::kAccessRefusedStatus)
                                           : std::move(advice));
    } else if (refusedSearches_ < kSearchesBeforeStatus) {
        status.clearCondition(window::Condition::AccessRefused);
    }
}

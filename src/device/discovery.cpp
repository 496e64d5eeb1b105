// Finding and opening the adaptor, and closing the connection.
#include "protocol/link_rules.h"
#include "window/frm_main.h"
#include "window/window_texts.h"

using protocol::isAcceptedAdaptor;

bool frmMain::FindTheHid() {
    session.isConnected = false;
    accessRefused_ = false;
    adaptorUnreadable_ = false;
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
            // Without its report sizes nothing could be exchanged with the adaptor, so it
            // is refused like one that cannot be opened.
            const bool capsRead = session.lastResult != 0;
            adaptorUnreadable_ = adaptorUnreadable_ || !capsRead;
            if (capsRead &&
                protocol::isUsableAdaptor(session.attributes.VendorID, session.attributes.ProductID,
                                          session.caps.FeatureReportByteLength)) {
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
    adaptorUnreadable_ = false;

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
// whose report sizes cannot be read stays so until it is replugged: said at once.
void frmMain::ShowAccessStatus() {
    if (adaptorUnreadable_) {
        status.setCondition(window::Condition::AdaptorUnreadable,
                            i18n::translate("Window", window::kAdaptorUnreadableStatus));
    } else {
        status.clearCondition(window::Condition::AdaptorUnreadable);
    }
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

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "hid/hid_layer.h"
#include "protocol/adaptor_protocol.h"

// One adaptor opened as the window opens it: a handle for feature reports and one for
// the identity strings. Closes both when it goes.
namespace commands {

class AdaptorLink {
  public:
    explicit AdaptorLink(hid::HidLayer& hid) : hid_(hid) {}
    ~AdaptorLink();
    AdaptorLink(const AdaptorLink&) = delete;
    AdaptorLink& operator=(const AdaptorLink&) = delete;

    // Opens `candidate` if it is one of ours, opens, answers with our identity and has
    // feature reports the buffers can hold.
    bool open(const hid::InterfaceIdentity& candidate);

    const hid::InterfaceIdentity& interface() const { return interface_; }
    std::uint16_t productId() const { return attributes_.ProductID; }

    // Sends the first bytes of `report` that the adaptor's feature length asks for;
    // false (and nothing sent) when that length cannot carry `lengthNeeded` bytes.
    bool send(const protocol::ReportBuffer& report, std::size_t lengthNeeded);
    // Fetches one feature reply into `reply`, report ID first; gives how many bytes of it
    // the adaptor gave (report ID included), 0 when the fetch failed.
    std::size_t fetch(protocol::ReportBuffer& reply, std::size_t lengthNeeded);
    // One identity string as text; nothing when the adaptor does not give it.
    std::optional<std::string> identityString(hid::IdentityString which);

  private:
    hid::HidLayer& hid_;
    hid::InterfaceIdentity interface_;
    hid::Handle featureHandle_ = hid::Handle::None;
    hid::Handle inputHandle_ = hid::Handle::None;
    hid::Attributes attributes_;
    hid::Capabilities caps_;
};

// Opens the first accepted adaptor in enumeration order that opens, as the window does.
bool openFirstAdaptor(hid::HidLayer& hid, AdaptorLink& link);

}  // namespace commands

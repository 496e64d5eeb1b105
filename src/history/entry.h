#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/adaptor_protocol.h"
#include "protocol/link_rules.h"

// One calibration the program has seen: what happened to which adaptor's thresholds.
namespace history {

// The six thresholds by setting address: V1, V2, H2, H1, SeqH2, SeqH1.
using protocol::Thresholds;

// Which adaptor: product, serial number and firmware version as it reports them.
struct Identity {
    std::uint16_t productId = 0;
    std::string product;
    std::string serialNumber;
    std::uint16_t version = 0;

    bool operator==(const Identity&) const = default;
};

enum class Event {
    Read,             // read from the adaptor at connection
    StoredByUpdate,   // sent by "Update settings" (the current mode's thresholds)
    StoredAtClose,    // sent when the window closed
    StoredAllSix,     // sent by "Store all six thresholds"
    StoredByCommand,  // sent by the --write or --write-file command
    Restored,         // put into the window from a file, the history or the connection's read
};

// How files and tables name an event, and back.
std::string_view eventName(Event event);
std::optional<Event> eventNamed(std::string_view name);

struct Entry {
    std::int64_t time = 0;  // milliseconds since 1970-01-01 UTC
    Identity adaptor;
    Event event = Event::Read;
    Thresholds values{};
    // Every report of the exchange was accepted (a restore sends none, so it is true).
    bool accepted = true;

    bool operator==(const Entry&) const = default;
};

}  // namespace history

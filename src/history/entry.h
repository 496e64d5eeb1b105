#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "events/window_events.h"
#include "protocol/adaptor_protocol.h"
#include "protocol/link_rules.h"

// One calibration the program has seen: what happened to which adaptor's thresholds.
namespace history {

// The six thresholds by setting address: V1, V2, H2, H1, SeqH2, SeqH1.
using protocol::Thresholds;

using events::Event;
using events::Identity;

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

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "protocol/link_rules.h"

// What the window tells the features that watch it: each connection, each displayed
// report and each change to the thresholds it stores or restores. Watchers only watch:
// nothing they do adds, drops or moves a report to the adaptor.
namespace events {

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

// An adaptor's stored thresholds as read at a connection.
struct Reading {
    Identity adaptor;
    protocol::Thresholds values{};
};

// A report the window displayed.
struct ShownReport {
    bool sequential = false;
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    std::uint8_t gearMask = 0;
    std::int64_t pollTime = 0;  // milliseconds of the window's ticks
};

class WindowObserver {
  public:
    virtual ~WindowObserver() = default;
    // An adaptor connected: what it holds, or nothing when its thresholds could not be
    // read or it has none (the firmware loader). Gives a notice, or nothing.
    virtual std::string connected(const std::optional<Reading>& /*read*/) { return {}; }
    virtual void reportShown(const ShownReport& /*report*/) {}
    // The thresholds the window holds were stored or restored; `accepted` tells whether
    // the adaptor took every report. Gives a notice for the status line, or nothing.
    virtual std::string thresholdsChanged(Event /*event*/, const protocol::Thresholds& /*values*/,
                                          bool /*accepted*/) {
        return {};
    }
};

}  // namespace events

#pragma once

#include "cli/command_line.h"

// Which adaptors a session talks to and whether it keeps their calibration history: one
// rule for the window and for the commands.
namespace cli {

struct AdaptorChoice {
    enum class Source {
        Real,       // the system's bus, shared with other programs under the lock
        Simulated,  // a simulated adaptor private to this process
        Recorded,   // a simulated adaptor that plays a recording
    };
    Source source = Source::Real;
    // Real adaptors always keep one; a demo leaves the user's data alone unless asked.
    bool historyKept = true;

    bool simulated() const { return source != Source::Real; }
};

AdaptorChoice adaptorChoice(const LaunchOptions& options);

}  // namespace cli

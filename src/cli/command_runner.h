#pragma once

#include "cli/command_line.h"

// Runs a command without a window: picks the real or the simulated adaptor, keeps away
// from adaptors the window is using, prints the outcome and gives the exit status.
namespace cli {

int runCommand(const LaunchOptions& options);

}  // namespace cli

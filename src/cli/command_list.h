#pragma once

#include <span>

#include "cli/command.h"

namespace cli {

// Every command that runs without a window, in the order --help shows them.
std::span<const Command* const> commandList();

}  // namespace cli

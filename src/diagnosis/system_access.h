#pragma once

#include <string>

// The access diagnosis of this system, for the window's status line and its details.
namespace diagnosis {

// The fix in one sentence; empty when the diagnosis finds nothing to fix.
std::string accessAdvice();

// The full diagnosis, as --report shows it.
std::string accessDetails();

}  // namespace diagnosis

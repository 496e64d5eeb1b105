#pragma once

#include <string>

namespace maintenance {

// The address users are asked to send memory dumps to, as the build configured it
// (SHIFTER_SUPPORT_ADDRESS); empty when it configured none.
std::string defaultSupportAddress();

}  // namespace maintenance

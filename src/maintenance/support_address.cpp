#include "maintenance/support_address.h"

#ifndef SHIFTER_SUPPORT_ADDRESS
#error "SHIFTER_SUPPORT_ADDRESS must be defined by the build"
#endif

namespace maintenance {

std::string defaultSupportAddress() {
    return SHIFTER_SUPPORT_ADDRESS;
}

}  // namespace maintenance

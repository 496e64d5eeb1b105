// Linux: the diagnosis of the real system below "/".
#include "system/rooted_system.h"
#include "system/system_access.h"

namespace diagnosis {

Diagnosis diagnoseThisSystem() {
    return diagnose(RootedSystem(), currentSession());
}

}  // namespace diagnosis

// Linux: the diagnosis of the real system below "/".
#include "diagnosis/rooted_system.h"
#include "diagnosis/system_access.h"

namespace diagnosis {

Diagnosis diagnoseThisSystem() {
    return diagnose(RootedSystem(), currentSession());
}

}  // namespace diagnosis

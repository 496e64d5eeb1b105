#pragma once

#include <string>

#include "diagnosis/diagnosis.h"

// The access diagnosis of this system, for the window's status line and its details.
namespace diagnosis {

// What keeps this user from the adaptors here. On Linux what diagnose() finds in the
// real system; elsewhere there are no hidraw nodes or udev rules to look at, and the
// finding is NotOnThisSystem (system_access_linux.cpp, system_access_other.cpp).
Diagnosis diagnoseThisSystem();

// The advice while the system refuses the adaptor (refusalAdvice): never empty.
std::string refusalAdvice();

// The full diagnosis, as --report shows it.
std::string accessDetails();

}  // namespace diagnosis

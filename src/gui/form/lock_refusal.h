#pragma once

#include "lock/single_instance.h"

namespace gui {

// Tells the user why the lock could not be taken: on standard error, and in a message
// box where there is a screen to show it on.
void reportNotAcquired(const lock::SingleInstance& instance);

}  // namespace gui

#pragma once

#include <string>

#include "sim/adaptor_model.h"
#include "window/frm_main.h"

// The window's two looks, judged from its controls alone. Each function lists what
// differs from the look, separated by "; ", and is empty when the window shows it.
namespace support {

// No adaptor connected: nothing to use, nothing shown about an adaptor.
std::string disconnectedLookDifferences(const frmMain& window);

// Connected to `adaptor`: the controls its product offers, and only those.
std::string connectedLookDifferences(const frmMain& window, const sim::AdaptorIdentity& adaptor);

// The look that matches the window's own connection record.
std::string lookDifferences(const frmMain& window, const sim::AdaptorIdentity& adaptor);

}  // namespace support

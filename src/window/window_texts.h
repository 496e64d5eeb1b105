#pragma once

#include "i18n/translate.h"

// The window's own texts that more than one place uses, in English; where they are shown
// they go through i18n::translate("Window", ...).
namespace window {

inline constexpr const char* kDisconnectedCaption =
    QT_TRANSLATE_NOOP("Window", "Corvane Shifter interface calibration v1.5");

// Shown when the system refuses the adaptor and the window was given no advice for it;
// what to do about it depends on the system, and only the diagnosis knows that.
inline constexpr const char* kAccessRefusedStatus = QT_TRANSLATE_NOOP(
    "Window", "The adaptor is plugged in, but the system does not let this program open it.");

inline constexpr const char* kAdaptorUnreadableStatus = QT_TRANSLATE_NOOP(
    "Window",
    "The adaptor is plugged in, but it could not be read: its report sizes are unknown. "
    "Unplug the adaptor and plug it in again.");
inline constexpr const char* kNoAdaptorStatus =
    QT_TRANSLATE_NOOP("Window", "No adaptor found. Plug one in: the window comes alive by itself.");
inline constexpr const char* kSimulatedStatus =
    QT_TRANSLATE_NOOP("Window", "Simulated adaptor: nothing is kept when the program ends");
inline constexpr const char* kSimulatedHistoryKeptStatus = QT_TRANSLATE_NOOP(
    "Window",
    "Simulated adaptor: its thresholds are lost when the program ends, its history is kept");

}  // namespace window

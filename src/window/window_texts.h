#pragma once

// The window's own texts that more than one place uses.
namespace window {

inline constexpr const char* kDisconnectedCaption = "Corvane Shifter interface calibration v1.5";
inline constexpr const char* kLoaderCaption = "Kelvo/Mirad shifter interface calibration";
inline constexpr const char* kMiradCaption = "Mirad shifter interface calibration v1.5";
inline constexpr const char* kKelvoCaption = "Kelvo shifter interface calibration v1.5";
inline constexpr const char* kUsbShifterCaption = "USB shifter interface calibration v1.5";

inline constexpr const char* kAccessRefusedStatus =
    "The adaptor is plugged in, but the system does not let this program open it. "
    "Install 70-shifter-calibration.rules (see README), then run \"udevadm control "
    "--reload-rules\" and \"udevadm trigger\" as root, or unplug and replug the adaptor.";

inline constexpr const char* kAdaptorUnreadableStatus =
    "The adaptor is plugged in, but it could not be read: its report sizes are unknown. "
    "Unplug the adaptor and plug it in again.";
inline constexpr const char* kNoAdaptorStatus =
    "No adaptor found. Plug one in: the window comes alive by itself.";
inline constexpr const char* kSimulatedStatus =
    "Simulated adaptor: nothing is kept when the program ends";
inline constexpr const char* kSimulatedHistoryKeptStatus =
    "Simulated adaptor: its thresholds are lost when the program ends, its history is kept";

}  // namespace window

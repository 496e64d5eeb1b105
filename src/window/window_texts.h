#pragma once

// The window's own texts that more than one place uses.
namespace texts {

inline constexpr const char* kDisconnectedCaption = "Corvane Shifter interface calibration v1.5";
inline constexpr const char* kLoaderCaption = "Kelvo/Mirad shifter interface calibration";
inline constexpr const char* kMiradCaption = "Mirad shifter interface calibration v1.5";
inline constexpr const char* kKelvoCaption = "Kelvo shifter interface calibration v1.5";
inline constexpr const char* kUsbShifterCaption = "USB shifter interface calibration v1.5";

}  // namespace texts

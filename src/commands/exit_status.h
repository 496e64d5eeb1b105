#pragma once

// The exit statuses of the program and its commands.
namespace commands {

inline constexpr int kExitOk = 0;
// The adaptor refused or did not answer a report, or a file could not be written.
inline constexpr int kExitFailed = 1;
// The command line or the values given were wrong; nothing was sent.
inline constexpr int kExitUsage = 2;
// Another instance talks to the real adaptors; nothing was sent.
inline constexpr int kExitBusy = 3;
// No adaptor could be opened (none plugged in, or the system refused it).
inline constexpr int kExitNoAdaptor = 4;

}  // namespace commands

#pragma once

#include <QLockFile>
#include <QString>

#include "commands/exit_status.h"

// Only one instance talks to real adaptors at a time, so two programs never interleave
// their feature reports (worst of all during a firmware upgrade). The lock is a file in
// the user's runtime folder; the system releases it when the holder ends, however.
namespace qtui {

// The exit status of an instance that found another one running.
inline constexpr int kExitAlreadyRunning = commands::kExitBusy;

class SingleInstance {
  public:
    // The lock for the real adaptors, in the user's runtime folder.
    SingleInstance();
    explicit SingleInstance(const QString& lockPath);

    // True when this instance holds the lock (or took it now).
    bool acquire();

  private:
    QLockFile lock_;
};

// Tells the user that another instance runs: on standard error, and in a message box
// where there is a screen to show it on.
void reportAlreadyRunning();

}  // namespace qtui

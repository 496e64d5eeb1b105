#pragma once

#include <QLockFile>
#include <QString>
#include <optional>

#include "commands/exit_status.h"

// Only one instance talks to real adaptors at a time, so two programs never interleave
// their feature reports (worst of all during a firmware upgrade). The lock is a file in a
// folder of the user's own: the session's runtime folder, otherwise a private folder
// below the temporary one. The system releases it when the holder ends, however; the
// lock of a holder that crashed is taken over.
namespace storage {

// The exit status of an instance that could not take the lock.
inline constexpr int kExitAlreadyRunning = commands::kExitBusy;

class SingleInstance {
  public:
    // The lock for the real adaptors, in the user's own folder.
    SingleInstance();
    explicit SingleInstance(const QString& lockPath);

    // True when this instance holds the lock (or took it now).
    bool acquire();
    // Why the lock could not be taken: another instance, or no private folder for it.
    const QString& problem() const { return problem_; }

  private:
    std::optional<QLockFile> lock_;
    QString problem_;
};

}  // namespace storage

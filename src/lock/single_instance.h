#pragma once

#include <QString>
#include <optional>

#include "storage/file_lock.h"

// Only one instance of a user talks to real adaptors at a time, so two programs never
// interleave their feature reports (worst of all during a firmware upgrade). The lock
// is a file in a folder of the user's own that depends on the user alone, never on the
// environment, so that two instances started with different settings still meet:
// .cache/shifter-calibration/lock in the home the account names (lock_folder_posix.cpp); on
// Windows shifter-calibration in the user's local application data. The system releases the lock
// when its holder ends, however it ends.
namespace lock {

// Who holds the lock; the holder writes it into the lock file for the next to ask.
enum class LockHolder { Window, Command };

class SingleInstance {
  public:
    // A command ends within moments, so the window or another command started beside
    // one waits this long for it instead of being turned away.
    static constexpr int kCommandWaitMs = 3000;

    // The lock for the real adaptors, in the user's own folder.
    SingleInstance();
    // The lock in `folder`, which must be the user's own and private to them.
    explicit SingleInstance(const QString& folder, int commandWaitMs = kCommandWaitMs);

    // True when this instance holds the lock (or took it now) as `holder`.
    bool acquire(LockHolder holder);
    // Another instance holds the lock; otherwise problem() says what is wrong.
    bool heldByAnother() const { return heldByAnother_; }
    // That instance is a command that did not end within the wait.
    bool heldByCommand() const { return heldByCommand_; }
    // Why the lock could not be taken, as a sentence for the user.
    const QString& problem() const { return problem_; }

  private:
    QString folder_;
    int commandWaitMs_;
    storage::FileLock lock_;
    bool heldByAnother_ = false;
    bool heldByCommand_ = false;
    QString problem_;
};

}  // namespace lock

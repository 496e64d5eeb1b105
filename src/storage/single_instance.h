#pragma once

#include <QString>
#include <optional>

#include "storage/file_lock.h"

// Only one instance of a user talks to real adaptors at a time, so two programs never
// interleave their feature reports (worst of all during a firmware upgrade). The lock
// is a file in a folder of the user's own that depends on the user alone, never on the
// environment, so that two instances started with different settings still meet: the
// user's runtime folder /run/user/UID where the system made one, otherwise
// /tmp/shifter-calibration-UID; on Windows shifter-calibration in the user's local
// application data. The system releases the lock when its holder ends, however it ends.
namespace storage {

class SingleInstance {
  public:
    // The lock for the real adaptors, in the user's own folder.
    SingleInstance();
    // The lock in `folder`, which must be the user's own and private to them.
    explicit SingleInstance(const QString& folder);

    // True when this instance holds the lock (or took it now).
    bool acquire();
    // Another instance holds the lock; otherwise problem() says what is wrong.
    bool heldByAnother() const { return heldByAnother_; }
    // Why the lock could not be taken, as a sentence for the user.
    const QString& problem() const { return problem_; }

  private:
    QString folder_;
    FileLock lock_;
    bool heldByAnother_ = false;
    QString problem_;
};

}  // namespace storage

#pragma once

#include <QString>

// An advisory lock on a file (flock): the system drops it when its holder ends, however
// it ends, so a lock is never left behind by a program that crashed, and a lock file's
// contents mean nothing.
namespace storage {

class FileLock {
  public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    enum class Outcome { Taken, Held, Failed };
    // Opens or creates the lock file at `path` (never through a link, never a folder)
    // and takes its lock, waiting up to `waitMs` for another holder to let go. On Failed,
    // `error` says why; on Held, another program keeps it.
    Outcome take(const QString& path, int waitMs, QString& error);
    bool held() const { return descriptor_ >= 0; }
    // The lock file's descriptor while held, for writing who holds it.
    int descriptor() const { return descriptor_; }

  private:
    int descriptor_ = -1;
};

}  // namespace storage

#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// A lock on a file that the system drops when its holder ends, however it ends, so a
// lock is never left behind by a program that crashed, and a lock file's contents mean
// nothing: flock on POSIX systems (file_lock_posix.cpp), a file opened for no one else
// to share on Windows (file_lock_windows.cpp).
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
    // `error` says why; on Held, another program keeps it. With `removeWhenReleased` the
    // lock file goes when the lock is let go, as a lock beside a user's file should.
    Outcome take(const QString& path, int waitMs, QString& error, bool removeWhenReleased = false);
    bool held() const { return handle_ != kNone; }
    // Replaces what the held lock file says, for a person looking (who holds it).
    void describeHolder(const QByteArray& text);

  private:
    // A file descriptor, or a Windows file handle; both systems use -1 for none.
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    QString removedPath_;  // the file removed with the lock, if any
};

}  // namespace storage

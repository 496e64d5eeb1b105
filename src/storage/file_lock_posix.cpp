// POSIX: flock on a lock file opened without following a link.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QThread>
#include <cerrno>

#include "storage/atomic_file.h"
#include "storage/file_lock.h"
#include "translation/translate.h"

namespace storage {

FileLock::~FileLock() {
    if (held()) {
        // Removed while still held: whoever opened it meanwhile finds it gone once they
        // hold it, and opens the path again.
        if (!removedPath_.isEmpty()) {
            ::unlink(QFile::encodeName(removedPath_).constData());
        }
        ::close(static_cast<int>(handle_));
    }
}

void FileLock::describeHolder(const QByteArray& text) {
    if (held()) {
        const int descriptor = static_cast<int>(handle_);
        (void)::ftruncate(descriptor, 0);
        (void)::pwrite(descriptor, text.constData(), static_cast<size_t>(text.size()), 0);
    }
}

namespace {

// The locked file is still the one at `name`: its last holder did not remove it.
bool stillAt(int descriptor, const QByteArray& name) {
    struct stat held {};
    struct stat at {};
    return ::fstat(descriptor, &held) == 0 && ::lstat(name.constData(), &at) == 0 &&
           held.st_dev == at.st_dev && held.st_ino == at.st_ino;
}

}  // namespace

FileLock::Outcome FileLock::take(const QString& path, int waitMs, QString& error,
                                 bool removeWhenReleased) {
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that a FIFO planted at the path cannot stop the program.
    const int descriptor =
        ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        error = path + QStringLiteral(": ") +
                (errno == ELOOP ? translation::translate(
                                      "Storage", "it is a symbolic link, which is not followed")
                 : errno == EISDIR ? translation::translate("Storage", "it is a folder")
                                   : systemReason(errno));
        return Outcome::Failed;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        error = path + translation::translate("Storage", ": it is not a regular file");
        return Outcome::Failed;
    }
    constexpr int kPollMs = 10;
    for (int waited = 0;; waited += kPollMs) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            if (!stillAt(descriptor, name)) {
                // Its holder removed it as it let go: the lock is the new file's.
                ::close(descriptor);
                return take(path, waitMs - waited, error, removeWhenReleased);
            }
            handle_ = descriptor;
            removedPath_ = removeWhenReleased ? path : QString();
            return Outcome::Taken;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMs) {
            const bool held = errno == EWOULDBLOCK;
            error = path + QStringLiteral(": ") +
                    (held ? translation::translate("Storage", "another program holds it")
                          : systemReason(errno));
            ::close(descriptor);
            return held ? Outcome::Held : Outcome::Failed;
        }
        QThread::msleep(kPollMs);
    }
}

}  // namespace storage

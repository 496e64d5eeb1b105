// POSIX: the new file written beside the target, synced, then renamed over it.
#include "storage/atomic_file.h"

#include "storage/atomic_file_read.h"
#include "storage/translate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace storage {
namespace {

// Retries a call that a signal interrupted.
template <typename Call>
auto retried(Call call) {
    auto result = call();
    while (result == -1 && errno == EINTR) {
        result = call();
    }
    return result;
}

bool writeAll(int descriptor, const QByteArray& data, const FileCalls& calls) {
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written =
            retried([&] { return calls.write(descriptor, next, static_cast<size_t>(left)); });
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// The descriptor that /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N names:
// those are links the program's own caller made, so writing means writing into them.
std::optional<int> inheritedDescriptor(const QString& path) {
    if (path == QLatin1String("/dev/stdout")) {
        return STDOUT_FILENO;
    }
    if (path == QLatin1String("/dev/stderr")) {
        return STDERR_FILENO;
    }
    static const QRegularExpression numbered(QStringLiteral("^/(?:dev|proc/self)/fd/(\\d{1,4})$"));
    const QRegularExpressionMatch match = numbered.match(path);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toInt();
}

// Writes into a device, a FIFO or an inherited descriptor as it is. A FIFO nobody reads
// is refused at once instead of waited for.
bool writeInto(const QByteArray& target, std::optional<int> inherited, const QByteArray& data,
               const FileCalls& calls) {
    const int descriptor = inherited ? *inherited : retried([&] {
        return calls.open(target.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
    });
    if (descriptor < 0) {
        return false;
    }
    if (!inherited) {
        // Opened without waiting; the writes themselves may wait for a slow reader.
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    }
    const bool written = writeAll(descriptor, data, calls);
    const int writeError = errno;
    if (!inherited && ::close(descriptor) != 0 && written) {
        return false;
    }
    errno = writeError;
    return written;
}

// A new file beside the target that nothing else can have opened or planted.
int createTemporary(const QString& folder, const QString& name, QByteArray& temporary,
                    const FileCalls& calls) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = QFile::encodeName(
            folder + QStringLiteral("/.") + name + QLatin1Char('.') +
            QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp"));
        const int descriptor = retried([&] {
            return calls.open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        });
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

// The rename is on the disk only once the folder is; a file system that cannot sync a
// folder has nothing more to do, so a failure here is not one of the write.
void syncFolder(const QString& folder) {
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        (void)::fsync(descriptor);
        ::close(descriptor);
    }
}

bool replaceRegularFile(const QString& path, const QByteArray& target, const struct stat* old,
                        const QByteArray& data, const FileCalls& calls) {
    const QFileInfo where(path);
    const QString folder = where.absolutePath();
    QByteArray temporary;
    const int descriptor = createTemporary(folder, where.fileName(), temporary, calls);
    if (descriptor < 0) {
        return false;
    }
    if (old != nullptr) {
        // The new file keeps the old one's permissions, and its owner where we may say so.
        (void)::fchown(descriptor, old->st_uid, old->st_gid);
        (void)::fchmod(descriptor, old->st_mode & 07777);
    }
    bool done =
        writeAll(descriptor, data, calls) && retried([&] { return calls.fsync(descriptor); }) == 0;
    int failure = errno;
    if (::close(descriptor) != 0 && done) {
        done = false;
        failure = errno;
    }
    if (done && calls.rename(temporary.constData(), target.constData()) != 0) {
        done = false;
        failure = errno;
    }
    if (!done) {
        ::unlink(temporary.constData());
        errno = failure;
        return false;
    }
    syncFolder(folder);
    return true;
}

int openSystem(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

}  // namespace

const FileCalls& systemFileCalls() {
    static const FileCalls calls{openSystem, ::write, ::fsync, ::rename};
    return calls;
}

QString systemReason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error,
                         const FileCalls& calls) {
    const auto fail = [&](const QString& reason) {
        error = path + QStringLiteral(": ") + reason;
        return false;
    };
    const std::optional<int> inherited = inheritedDescriptor(path);
    const QByteArray target = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT && !inherited) {
        return fail(systemReason(errno));
    }
    errno = 0;
    bool written = false;
    if (inherited ||
        (exists && !S_ISLNK(old.st_mode) && !S_ISDIR(old.st_mode) && !S_ISREG(old.st_mode))) {
        written = writeInto(target, inherited, data, calls);
        if (!written && errno == ENXIO) {
            return fail(translate("Storage", "nothing reads from it"));
        }
    } else if (exists && S_ISLNK(old.st_mode)) {
        return fail(translate("Storage", "it is a symbolic link, which is not followed"));
    } else if (exists && S_ISDIR(old.st_mode)) {
        return fail(translate("Storage", "it is a folder"));
    } else {
        written = replaceRegularFile(path, target, exists ? &old : nullptr, data, calls);
    }
    return written || fail(systemReason(errno));
}

FileBytes readSmallFile(const QString& path, qint64 maxBytes) {
    FileBytes result;
    const auto fail = [&](const QString& reason) {
        result.reason = reason;
        return result;
    };
    const QByteArray name = QFile::encodeName(path);
    const int descriptor =
        retried([&] { return ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); });
    if (descriptor < 0) {
        return fail(systemReason(errno));
    }
    struct stat info {};
    QByteArray bytes;
    int failure = 0;
    if (::fstat(descriptor, &info) != 0) {
        failure = errno;
    } else if (!S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return fail(S_ISDIR(info.st_mode) ? translate("Storage", "it is a folder")
                                          : translate("Storage", "it is not a regular file"));
    } else if (!readUpTo(info.st_size, maxBytes, bytes, [&](char* into, qint64 size) {
                   return qint64{retried([&] { return ::read(descriptor, into, size_t(size)); })};
               })) {
        failure = errno;
    }
    ::close(descriptor);
    if (failure != 0) {
        return fail(systemReason(failure));
    }
    return limitedTo(std::move(bytes), maxBytes);
}

}  // namespace storage

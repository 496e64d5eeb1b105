// POSIX: the new file written beside the target, synced, then renamed over it.
#include "storage/atomic_file.h"

#include "storage/atomic_file_read.h"
#include "translation/translate.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <vector>

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

// The highest N of /dev/fd/N the writer takes.
constexpr int kHighestNamedDescriptor = 9999;

// Which descriptors were open when the program started: the only ones its caller gave
// it. Until they are noted, the standard streams.
std::vector<bool>& inheritedDescriptors() {
    static std::vector<bool> inherited{true, true, true};
    return inherited;
}

// The descriptor that /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N names.
std::optional<int> namedDescriptor(const QString& path) {
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

bool wasInherited(int descriptor) {
    const std::vector<bool>& inherited = inheritedDescriptors();
    return static_cast<std::size_t>(descriptor) < inherited.size() &&
           inherited[static_cast<std::size_t>(descriptor)];
}

// What the writer does with a path, decided before anything is written: replace a
// regular file (or make a new one), write into a stream, or refuse.
struct Target {
    enum class Kind { Regular, Stream, Refused };
    Kind kind = Kind::Regular;
    std::optional<int> inherited;  // a stream the caller gave as a descriptor
    bool exists = false;
    struct stat old {};
    QString refusal;
};

Target refused(QString reason) {
    Target target;
    target.kind = Target::Kind::Refused;
    target.refusal = std::move(reason);
    return target;
}

// Another user's file in a folder where only a file's owner may replace it (/tmp).
bool othersInStickyFolder(const QString& path, const struct stat& old) {
    const uid_t user = ::geteuid();
    struct stat folder {};
    return user != 0 && old.st_uid != user &&
           ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &folder) == 0 &&
           (folder.st_mode & S_ISVTX) != 0 && folder.st_uid != user;
}

Target examine(const QString& path) {
    Target target;
    if (const std::optional<int> named = namedDescriptor(path)) {
        if (!wasInherited(*named)) {
            return refused(
                translation::translate("Storage", "the program was not given that descriptor"));
        }
        target.kind = Target::Kind::Stream;
        target.inherited = named;
        return target;
    }
    target.exists = ::lstat(QFile::encodeName(path).constData(), &target.old) == 0;
    if (!target.exists && errno != ENOENT) {
        return refused(systemReason(errno));
    }
    const mode_t type = target.old.st_mode;
    if (!target.exists || S_ISREG(type)) {
        return target.exists && othersInStickyFolder(path, target.old)
                   ? refused(translation::translate("Storage",
                                                    "it is another user's file in a shared folder"))
                   : target;
    }
    if (S_ISLNK(type)) {
        return refused(
            translation::translate("Storage", "it is a symbolic link, which is not followed"));
    }
    if (S_ISDIR(type)) {
        return refused(translation::translate("Storage", "it is a folder"));
    }
    target.kind = Target::Kind::Stream;
    return target;
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

// The temporaries beside `name` are ".NAME.PID-RANDOM.tmp": the process that writes one
// is named in it, so that one left by a process that died can be told apart.
QString temporaryPrefix(const QString& name) {
    return QLatin1Char('.') + name + QLatin1Char('.');
}

// Removes the temporaries a writer that died left beside `name` (killed during a save,
// it leaves a hidden copy of the file for good).
void removeStaleTemporaries(const QString& folder, const QString& name) {
    static const QRegularExpression writer(QStringLiteral("^(\\d+)-[0-9a-z]+\\.tmp$"));
    const QString prefix = temporaryPrefix(name);
    const QDir beside(folder, prefix + QStringLiteral("*.tmp"), QDir::NoSort,
                      QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& temporary : beside.entryList()) {
        const QRegularExpressionMatch match = writer.match(temporary.mid(prefix.size()));
        const pid_t process = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (process > 0 && ::kill(process, 0) != 0 && errno == ESRCH) {
            ::unlink(QFile::encodeName(beside.filePath(temporary)).constData());
        }
    }
}

// A new file beside the target that nothing else can have opened or planted.
int createTemporary(const QString& folder, const QString& name, QByteArray& temporary,
                    const FileCalls& calls) {
    removeStaleTemporaries(folder, name);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = QFile::encodeName(
            folder + QLatin1Char('/') + temporaryPrefix(name) + QString::number(::getpid()) +
            QLatin1Char('-') + QString::number(QRandomGenerator::global()->generate64(), 36) +
            QStringLiteral(".tmp"));
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

void noteInheritedDescriptors() {
    std::vector<bool>& inherited = inheritedDescriptors();
    inherited.assign(kHighestNamedDescriptor + 1, false);
    for (int descriptor = 0; descriptor <= kHighestNamedDescriptor; ++descriptor) {
        inherited[static_cast<std::size_t>(descriptor)] = ::fcntl(descriptor, F_GETFD) != -1;
    }
}

QString writeRefusal(const QString& path) {
    const Target target = examine(path);
    if (target.kind == Target::Kind::Refused) {
        return path + QStringLiteral(": ") + target.refusal;
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (target.kind == Target::Kind::Regular && ::access(folder.constData(), W_OK | X_OK) != 0) {
        return path + QStringLiteral(": ") + systemReason(errno);
    }
    return {};
}

bool writesInto(const QString& path) {
    return examine(path).kind == Target::Kind::Stream;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error,
                         const FileCalls& calls) {
    const auto fail = [&](const QString& reason) {
        error = path + QStringLiteral(": ") + reason;
        return false;
    };
    const Target target = examine(path);
    errno = 0;
    switch (target.kind) {
        case Target::Kind::Refused:
            return fail(target.refusal);
        case Target::Kind::Stream:
            if (writeInto(QFile::encodeName(path), target.inherited, data, calls)) {
                return true;
            }
            return fail(errno == ENXIO ? translation::translate("Storage", "nothing reads from it")
                                       : systemReason(errno));
        case Target::Kind::Regular:
            break;
    }
    return replaceRegularFile(path, QFile::encodeName(path), target.exists ? &target.old : nullptr,
                              data, calls) ||
           fail(systemReason(errno));
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
        return fail(S_ISDIR(info.st_mode)
                        ? translation::translate("Storage", "it is a folder")
                        : translation::translate("Storage", "it is not a regular file"));
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

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#ifndef _WIN32
#include <sys/types.h>
#endif

// The one way the program writes and reads its files.
namespace storage {

// Replaces the file at `path` with `data`: written beside it, on the disk, then renamed
// over it, so that any failure leaves the previous file byte for byte. An existing
// symbolic link (on Windows any reparse point, junctions too) is refused, never
// followed; an existing target that is not a regular file (a device, a FIFO or pipe,
// /dev/stdout, NUL) is written into directly, never replaced. The folder must exist.
// What writeRefusal names is refused.
// False with `error` set to the path and the system's reason when the file could not
// be written.
#ifdef _WIN32
// Windows has no stand-in calls: the tests that fail each step run on POSIX, and one
// set of stand-ins per system would only be code no test reaches.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error);
#else
// The system calls the writer makes at the steps that can fail, so that tests can fail
// each of them as a full disk or a broken file system would.
struct FileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int descriptor, const void* data, size_t size);
    int (*fsync)(int descriptor);
    int (*rename)(const char* from, const char* to);
};
const FileCalls& systemFileCalls();

bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error,
                         const FileCalls& calls = systemFileCalls());
#endif

// Notes the descriptors the program was started with, before it opens anything: only
// those may be named as /dev/fd/N or /proc/self/fd/N, so that such a name never writes
// into a file the program opened itself. Until then, the standard streams.
void noteInheritedDescriptors();

// Why the writer would refuse `path` now (a link, a folder, another user's file in a
// shared folder, a descriptor the program was not given, a folder it cannot write
// into), as "PATH: reason"; empty when it would try. Asked at the start, so that a
// target that can never be written is not found out after the work.
QString writeRefusal(const QString& path);

// True when the writer writes into `path` as it is (a device, a FIFO, a descriptor the
// program was given) instead of replacing a regular file.
bool writesInto(const QString& path);

// A whole small file as read, or why not.
struct FileBytes {
    std::optional<QByteArray> bytes;
    QString reason;         // why there are no bytes, without the path
    bool tooLarge = false;  // the file was read but holds more than it may
};
// Reads a regular file of at most `maxBytes` bytes. Anything else (a FIFO, a device, a
// folder) is refused without waiting for it.
FileBytes readSmallFile(const QString& path, qint64 maxBytes);

// The system's reason for `errorNumber`, as a sentence part.
QString systemReason(int errorNumber);

}  // namespace storage

// Windows: the new file written beside the target, flushed, then moved over it.
#include <windows.h>

#include "storage/atomic_file.h"
#include "storage/atomic_file_read.h"
#include "translation/translate.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cstring>
#include <string>

namespace storage {
namespace {

std::wstring nativeName(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

QString lastReason() {
    return qt_error_string(static_cast<int>(GetLastError()));
}

// Keeps the system's reason of a failure while the handle that failed is closed.
void closeKeepingReason(HANDLE handle) {
    const DWORD reason = GetLastError();
    CloseHandle(handle);
    SetLastError(reason);
}

bool writeAll(HANDLE file, const QByteArray& data) {
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(left, 1 << 30));
        if (!WriteFile(file, next, chunk, &written, nullptr)) {
            return false;
        }
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// The existing target opened as itself (a reparse point is not followed), for writing
// where it may be written, else only to ask what it is. Null when there is none.
HANDLE openExisting(const std::wstring& target, bool& failed) {
    constexpr DWORD kSharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    constexpr DWORD kAsItself = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, kSharing, nullptr, OPEN_EXISTING,
                              kAsItself, nullptr);
    if (file == INVALID_HANDLE_VALUE &&
        (GetLastError() == ERROR_ACCESS_DENIED || GetLastError() == ERROR_SHARING_VIOLATION)) {
        // A read-only file, a folder or one another program writes: it is replaced, not
        // written, so asking what it is is enough.
        file = CreateFileW(target.c_str(), FILE_READ_ATTRIBUTES, kSharing, nullptr, OPEN_EXISTING,
                           kAsItself, nullptr);
    }
    if (file != INVALID_HANDLE_VALUE) {
        return file;
    }
    failed = GetLastError() != ERROR_FILE_NOT_FOUND;
    return nullptr;
}

// A new file beside the target that nothing else can have opened or planted.
HANDLE createTemporary(const QString& folder, const QString& name, std::wstring& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = nativeName(folder + QStringLiteral("/.") + name + QLatin1Char('.') +
                               QString::number(QRandomGenerator::global()->generate64(), 36) +
                               QStringLiteral(".tmp"));
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool replaceRegularFile(const QString& path, const std::wstring& target, const QByteArray& data) {
    const QFileInfo where(path);
    std::wstring temporary;
    const HANDLE file = createTemporary(where.absolutePath(), where.fileName(), temporary);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool done = writeAll(file, data) && FlushFileBuffers(file);
    DWORD failure = GetLastError();
    if (!CloseHandle(file) && done) {
        done = false;
        failure = GetLastError();
    }
    // Write-through: the move is on the disk when the call returns.
    if (done && !MoveFileExW(temporary.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        done = false;
        failure = GetLastError();
    }
    if (!done) {
        DeleteFileW(temporary.c_str());
        SetLastError(failure);
    }
    return done;
}

}  // namespace

// The C runtime's text for its errno values, through the call it does not warn about.
QString systemReason(int errorNumber) {
    char text[256] = {};
    (void)strerror_s(text, sizeof text, errorNumber);
    return QString::fromLocal8Bit(text);
}

namespace {

// What the writer does with a path: write into a device or pipe (`stream` set), replace
// a regular file or make a new one (neither set), or refuse it (`refusal` set).
struct Target {
    HANDLE stream = nullptr;
    QString refusal;
};

Target examine(const QString& path) {
    Target target;
    bool failed = false;
    const HANDLE existing = openExisting(nativeName(path), failed);
    if (failed) {
        target.refusal = lastReason();
        return target;
    }
    if (existing == nullptr) {
        return target;
    }
    if (GetFileType(existing) != FILE_TYPE_DISK) {
        target.stream = existing;  // a device (NUL, CON) or a pipe: written into as it is
        return target;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(existing, &info);
    closeKeepingReason(existing);
    if (!known) {
        target.refusal = lastReason();
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        target.refusal =
            translation::translate("Storage", "it is a symbolic link, which is not followed");
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        target.refusal = translation::translate("Storage", "it is a folder");
    }
    return target;
}

}  // namespace

void noteInheritedDescriptors() {
    // Windows paths name no descriptors.
}

QString writeRefusal(const QString& path) {
    const Target target = examine(path);
    if (target.stream != nullptr) {
        CloseHandle(target.stream);
        return {};
    }
    if (target.refusal.isEmpty() && !QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return path + translation::translate("Storage", ": its folder does not exist");
    }
    return target.refusal.isEmpty() ? QString() : path + QStringLiteral(": ") + target.refusal;
}

bool writesInto(const QString& path) {
    const Target target = examine(path);
    if (target.stream != nullptr) {
        CloseHandle(target.stream);
    }
    return target.stream != nullptr;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error) {
    const auto fail = [&](const QString& reason) {
        error = path + QStringLiteral(": ") + reason;
        return false;
    };
    const Target target = examine(path);
    if (!target.refusal.isEmpty()) {
        return fail(target.refusal);
    }
    if (target.stream != nullptr) {
        const bool written = writeAll(target.stream, data);
        closeKeepingReason(target.stream);
        return written || fail(lastReason());
    }
    return replaceRegularFile(path, nativeName(path), data) || fail(lastReason());
}

FileBytes readSmallFile(const QString& path, qint64 maxBytes) {
    FileBytes result;
    const auto fail = [&](const QString& reason) {
        result.reason = reason;
        return result;
    };
    // Opening a pipe or a device does not wait; what it is is asked before any read.
    const HANDLE file = CreateFileW(nativeName(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return fail(lastReason());
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return fail(translation::translate("Storage", "it is not a regular file"));
    }
    if (!GetFileInformationByHandle(file, &info)) {
        closeKeepingReason(file);
        return fail(lastReason());
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        CloseHandle(file);
        return fail(translation::translate("Storage", "it is a folder"));
    }
    const qint64 size = (static_cast<qint64>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    QByteArray bytes;
    const bool read = readUpTo(size, maxBytes, bytes, [&](char* into, qint64 wanted) -> qint64 {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<qint64>(wanted, 1 << 30));
        return ReadFile(file, into, chunk, &got, nullptr) ? static_cast<qint64>(got) : -1;
    });
    closeKeepingReason(file);
    if (!read) {
        return fail(lastReason());
    }
    return limitedTo(std::move(bytes), maxBytes);
}

}  // namespace storage

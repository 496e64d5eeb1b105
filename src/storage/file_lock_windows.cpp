// Windows: the lock file opened to be shared for reading only. While the holder has it
// open no one else can open it to write, which taking it needs, but the next may read
// who holds it; the system closes it when the holder ends.
#include <windows.h>

#include <QFileInfo>
#include <QThread>

#include "storage/file_lock.h"
#include "translation/translate.h"

namespace storage {
namespace {

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

FileLock::~FileLock() {
    if (held()) {
        CloseHandle(handleOf(handle_));  // removes the file when it was opened to be removed
    }
}

void FileLock::describeHolder(const QByteArray& text) {
    DWORD written = 0;
    if (held() && SetFilePointer(handleOf(handle_), 0, nullptr, FILE_BEGIN) == 0 &&
        SetEndOfFile(handleOf(handle_))) {
        (void)WriteFile(handleOf(handle_), text.constData(), static_cast<DWORD>(text.size()),
                        &written, nullptr);
    }
}

FileLock::Outcome FileLock::take(const QString& path, int waitMs, QString& error,
                                 bool removeWhenReleased) {
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction()) {
        error = path + QStringLiteral(": it is a symbolic link, which is not followed");
        return Outcome::Failed;
    }
    if (info.isDir()) {
        error = path + QStringLiteral(": it is a folder");
        return Outcome::Failed;
    }
    const std::wstring name = path.toStdWString();
    constexpr int kPollMs = 10;
    for (int waited = 0;; waited += kPollMs) {
        // A reparse point is opened as itself, never followed. Others may read who holds
        // it, but none may open it to write, so none can take it.
        const DWORD removal = removeWhenReleased ? FILE_FLAG_DELETE_ON_CLOSE : 0;
        const HANDLE file = CreateFileW(
            name.c_str(), GENERIC_READ | GENERIC_WRITE | (removeWhenReleased ? DELETE : 0),
            FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | removal, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            if (GetFileType(file) != FILE_TYPE_DISK) {
                CloseHandle(file);
                error = path + QStringLiteral(": it is not a regular file");
                return Outcome::Failed;
            }
            handle_ = reinterpret_cast<std::intptr_t>(file);
            return Outcome::Taken;
        }
        const DWORD reason = GetLastError();
        if (reason != ERROR_SHARING_VIOLATION || waited >= waitMs) {
            const bool held = reason == ERROR_SHARING_VIOLATION;
            error = path + QStringLiteral(": ") +
                    (held ? translation::translate("Storage", "another program holds it")
                          : qt_error_string(static_cast<int>(reason)));
            return held ? Outcome::Held : Outcome::Failed;
        }
        QThread::msleep(kPollMs);
    }
}

}  // namespace storage

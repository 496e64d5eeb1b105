#pragma once

#include <QString>
#include <optional>

// The folder of the single-instance lock, and what may keep a folder from holding it.
// The build picks the system's file: lock_folder_posix.cpp or lock_folder_windows.cpp.
namespace lock {

// The user's own folder for the lock, made when missing; it depends on the user alone,
// never on the environment.
QString userLockFolder();

// What keeps `folder` from being the user's own private folder, or nothing. A folder
// others may write to, or a link to one, lets them plant or hold the lock.
std::optional<QString> notPrivate(const QString& folder);

}  // namespace lock

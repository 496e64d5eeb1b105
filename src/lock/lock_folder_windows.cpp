// Windows: a folder in the user's local application data (from the user's profile, not
// from the environment), which the profile's own permissions keep to the user and the
// system's administrators; only a link or a file in its place is refused.
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "lock/lock_folder.h"
#include "translation/translate.h"

namespace lock {

std::optional<QString> notPrivate(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink() || info.isJunction()) {
        return translation::translate("Storage", "it is a symbolic link");
    }
    if (!info.exists()) {
        return translation::translate("Storage", "it does not exist");
    }
    if (!info.isDir()) {
        return translation::translate("Storage", "it is not a folder");
    }
    return std::nullopt;
}

QString userLockFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/shifter-calibration");
    (void)QDir().mkpath(folder);  // checked on acquire
    return folder;
}

}  // namespace lock

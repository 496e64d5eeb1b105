// Windows and macOS: where QStandardPaths puts application data and settings (on
// Windows the user's roaming AppData folder, from the profile rather than the
// environment).
#include <QStandardPaths>

#include "storage/data_folder.h"

namespace storage {

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString configFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

}  // namespace storage

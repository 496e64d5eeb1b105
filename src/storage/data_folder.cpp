#include "storage/data_folder.h"

#include <QDir>

namespace storage {
namespace {

bool usableHome(const QString& home) {
    return QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QLatin1String("/");
}

}  // namespace

QString xdgDataFolder(const QString& dataHome, const QString& home, const QString& accountHome,
                      const QString& programFolder) {
    // A relative XDG_DATA_HOME is to be ignored, as if it were not set.
    if (QDir::isAbsolutePath(dataHome)) {
        return QDir::cleanPath(dataHome + QLatin1Char('/') + programFolder);
    }
    const QString user = usableHome(home) ? home : accountHome;
    if (!usableHome(user)) {
        return {};
    }
    return QDir::cleanPath(user + QStringLiteral("/.local/share/") + programFolder);
}

}  // namespace storage

#include "storage/data_folder.h"

#include <QDir>

namespace storage {
namespace {

bool usableHome(const QString& home) {
    return QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QLatin1String("/");
}

}  // namespace

QString xdgFolder(const QString& baseHome, const QString& home, const QString& accountHome,
                  const QString& withinHome, const QString& programFolder) {
    // A relative base folder is to be ignored, as if it were not set.
    if (QDir::isAbsolutePath(baseHome)) {
        return QDir::cleanPath(baseHome + QLatin1Char('/') + programFolder);
    }
    const QString user = usableHome(home) ? home : accountHome;
    if (!usableHome(user)) {
        return {};
    }
    return QDir::cleanPath(user + QLatin1Char('/') + withinHome + QLatin1Char('/') + programFolder);
}

}  // namespace storage

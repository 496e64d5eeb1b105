#include "storage/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <pwd.h>
#include <unistd.h>
#endif

namespace storage {
namespace {

bool usableHome(const QString& home) {
    return QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QLatin1String("/");
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
QString accountHome() {
    const passwd* account = getpwuid(geteuid());
    return account == nullptr || account->pw_dir == nullptr ? QString()
                                                            : QFile::decodeName(account->pw_dir);
}

// The folder QStandardPaths::AppDataLocation adds to the data home: the organisation's
// and the application's names, each when set.
QString programFolder() {
    QStringList names;
    for (const QString& name :
         {QCoreApplication::organizationName(), QCoreApplication::applicationName()}) {
        if (!name.isEmpty()) {
            names << name;
        }
    }
    return names.join(QLatin1Char('/'));
}
#endif

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

QString dataFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return xdgDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"),
                         accountHome(), programFolder());
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

}  // namespace storage

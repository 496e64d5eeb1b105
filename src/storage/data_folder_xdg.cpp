// Linux and the other Unix systems but macOS: the XDG base-directory rules.
#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include "storage/data_folder.h"

namespace storage {
namespace {

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

}  // namespace

QString dataFolder() {
    return xdgDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"),
                         accountHome(), programFolder());
}

}  // namespace storage

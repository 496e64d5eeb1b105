// Linux and the other Unix systems but macOS: the XDG base-directory rules.
#include <QCoreApplication>
#include <QStringList>

#include "storage/account_home.h"
#include "storage/data_folder.h"

namespace storage {
namespace {

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
    return xdgFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"),
                     accountHome(), QStringLiteral(".local/share"), programFolder());
}

QString configFolder() {
    return xdgFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME"),
                     accountHome(), QStringLiteral(".config"), programFolder());
}

}  // namespace storage

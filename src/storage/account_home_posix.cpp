#include "storage/account_home.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>

namespace storage {

QString accountHome() {
    const passwd* account = getpwuid(geteuid());
    return account == nullptr || account->pw_dir == nullptr ? QString()
                                                            : QFile::decodeName(account->pw_dir);
}

}  // namespace storage

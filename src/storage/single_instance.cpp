#include "storage/single_instance.h"

#include <QCoreApplication>

#include "storage/lock_folder.h"
#include "storage/translate.h"

namespace storage {
namespace {

constexpr const char* kLockName = "/shifter-calibration.lock";

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(userLockFolder()) {}

SingleInstance::SingleInstance(const QString& folder) : folder_(folder) {}

bool SingleInstance::acquire() {
    if (lock_.held()) {
        return true;
    }
    heldByAnother_ = false;
    if (const auto why = notPrivate(folder_)) {
        problem_ = translate("Storage",
                             "Shifter calibration keeps its lock in %1, but that is not a "
                             "folder of your own that only you may use: %2. Remove it and "
                             "start again.")
                       .arg(folder_, *why);
        return false;
    }
    const QString path = folder_ + QLatin1String(kLockName);
    QString error;
    switch (lock_.take(path, 0, error)) {
        case FileLock::Outcome::Taken: {
            lock_.describeHolder(QByteArray::number(QCoreApplication::applicationPid()) + '\n');
            return true;
        }
        case FileLock::Outcome::Held:
            heldByAnother_ = true;
            problem_ = translate(
                "Storage",
                "Shifter calibration is already running; close it before starting it again.");
            return false;
        case FileLock::Outcome::Failed:
            problem_ = translate("Storage",
                                 "Shifter calibration cannot take its lock %1. Remove it and "
                                 "start again.")
                           .arg(error);
            return false;
    }
    return false;
}

}  // namespace storage

#include "lock/single_instance.h"

#include <QCoreApplication>
#include <QFile>
#include <optional>

#include "lock/lock_folder.h"
#include "translation/translate.h"

namespace lock {
namespace {

constexpr const char* kLockName = "/shifter-calibration.lock";

QByteArray holderName(LockHolder holder) {
    return holder == LockHolder::Window ? "window" : "command";
}

// The holder's process number and what it is, a line each.
QByteArray holderDescription(LockHolder holder) {
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + holderName(holder) +
           '\n';
}

// What the lock file says holds it; unknown before the holder has written it.
std::optional<LockHolder> describedHolder(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QList<QByteArray> lines = file.read(64).split('\n');
    for (const LockHolder holder : {LockHolder::Window, LockHolder::Command}) {
        if (lines.size() > 1 && lines[1] == holderName(holder)) {
            return holder;
        }
    }
    return std::nullopt;
}

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(userLockFolder()) {}

SingleInstance::SingleInstance(const QString& folder, int commandWaitMs)
    : folder_(folder), commandWaitMs_(commandWaitMs) {}

bool SingleInstance::acquire(LockHolder holder) {
    if (lock_.held()) {
        return true;
    }
    heldByAnother_ = false;
    heldByCommand_ = false;
    if (const auto why = notPrivate(folder_)) {
        problem_ =
            translation::translate("Storage",
                                   "Shifter calibration keeps its lock in %1, but that is not a "
                                   "folder of your own that only you may use: %2. Remove it and "
                                   "start again.")
                .arg(folder_, *why);
        return false;
    }
    const QString path = folder_ + QLatin1String(kLockName);
    QString error;
    storage::FileLock::Outcome outcome = lock_.take(path, 0, error);
    // A window is not waited for; a command, or a holder that has not said yet, is.
    if (outcome == storage::FileLock::Outcome::Held &&
        describedHolder(path) != LockHolder::Window) {
        outcome = lock_.take(path, commandWaitMs_, error);
    }
    switch (outcome) {
        case storage::FileLock::Outcome::Taken: {
            lock_.describeHolder(holderDescription(holder));
            return true;
        }
        case storage::FileLock::Outcome::Held:
            heldByAnother_ = true;
            heldByCommand_ = describedHolder(path) == LockHolder::Command;
            problem_ =
                heldByCommand_
                    ? translation::translate("Storage",
                                             "A Shifter calibration command is using the adaptors; "
                                             "try again when it has ended.")
                    : translation::translate("Storage",
                                             "Shifter calibration is already running; close it "
                                             "before starting it again.");
            return false;
        case storage::FileLock::Outcome::Failed:
            problem_ =
                translation::translate("Storage",
                                       "Shifter calibration cannot take its lock %1. Remove it and "
                                       "start again.")
                    .arg(error);
            return false;
    }
    return false;
}

}  // namespace lock

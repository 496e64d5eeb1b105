#include "qt/single_instance.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

namespace qtui {
namespace {

QString defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/shifter-calibration.lock");
}

constexpr const char* kAlreadyRunning =
    "Shifter calibration is already running; close it before starting it again.";

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(defaultLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // A lock is never stale while its holder lives; a dead holder's is taken over.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.isLocked() || lock_.tryLock(0);
}

void reportAlreadyRunning() {
    std::fprintf(stderr, "%s\n", kAlreadyRunning);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::warning(nullptr, QStringLiteral("Shifter calibration"),
                             QString::fromLatin1(kAlreadyRunning));
    }
}

}  // namespace qtui

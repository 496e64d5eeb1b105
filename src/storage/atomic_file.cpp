#include "storage/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace storage {

bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.write(data) != data.size()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    QByteArray data = file.read(maxBytes + 1);
    if (data.size() > maxBytes) {
        error = QStringLiteral("it is larger than %1 bytes").arg(maxBytes);
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    return data;
}

}  // namespace storage

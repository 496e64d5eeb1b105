#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace storage {

// Replaces the file at `path` with `data` in one step (QSaveFile): a write that fails
// or is cut short leaves the previous file as it was. Creates the folder if needed.
// False with `error` set when the file could not be written.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString& error);

// The whole file, or nothing with `error` set when it cannot be read or holds more than
// `maxBytes` bytes.
std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes, QString& error);

}  // namespace storage

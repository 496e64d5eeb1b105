#pragma once

#include <QByteArray>
#include <functional>

#include "storage/atomic_file.h"

// The parts of reading a small file that do not depend on the system.
namespace storage {

// Reads a bit at a time with `readSome` (bytes read, 0 at the end, -1 when the read
// failed) until the end or one byte past `maxBytes`, starting from the size the file was
// said to have. False when a read failed; the system's reason is still to be had then.
bool readUpTo(qint64 expectedSize, qint64 maxBytes, QByteArray& bytes,
              const std::function<qint64(char* into, qint64 size)>& readSome);

// `bytes` as what was read, or refused when there are more than `maxBytes`.
FileBytes limitedTo(QByteArray bytes, qint64 maxBytes);

}  // namespace storage

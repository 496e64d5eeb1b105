// What the writer and reader do alike on every system; their system calls are in
// atomic_file_posix.cpp and atomic_file_windows.cpp.
#include "storage/atomic_file.h"

#include "storage/atomic_file_read.h"
#include "translation/translate.h"

#include <algorithm>

namespace storage {

bool readUpTo(qint64 expectedSize, qint64 maxBytes, QByteArray& bytes,
              const std::function<qint64(char* into, qint64 size)>& readSome) {
    bytes.resize(static_cast<qsizetype>(std::min<qint64>(expectedSize, maxBytes) + 1));
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const qint64 got = readSome(bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<qsizetype>(got);
        // A file that grew while read: keep reading up to one byte past the limit.
        if (filled == bytes.size() && filled <= maxBytes) {
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, maxBytes + 1));
        }
    }
    bytes.truncate(filled);
    return true;
}

FileBytes limitedTo(QByteArray bytes, qint64 maxBytes) {
    FileBytes result;
    if (bytes.size() > maxBytes) {
        result.tooLarge = true;
        result.reason =
            translation::translate("Storage", "it is larger than %1 bytes").arg(maxBytes);
    } else {
        result.bytes = std::move(bytes);
    }
    return result;
}

}  // namespace storage

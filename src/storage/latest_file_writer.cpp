#include "storage/latest_file_writer.h"

#include <QByteArray>
#include <utility>

#include "storage/atomic_file.h"

namespace storage {

LatestFileWriter::LatestFileWriter(QString path, Failed failed)
    : path_(std::move(path)), failed_(std::move(failed)), thread_([this] { run(); }) {}

LatestFileWriter::~LatestFileWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void LatestFileWriter::writeLater(std::string text) {
    {
        const std::lock_guard lock(mutex_);
        pending_ = std::move(text);
    }
    changed_.notify_all();
}

QString LatestFileWriter::waitUntilWritten() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !pending_ && !writing_; });
    return lastError_;
}

void LatestFileWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) {
            return;
        }
        const QByteArray text = QByteArray::fromStdString(*std::exchange(pending_, std::nullopt));
        writing_ = true;
        lock.unlock();
        QString error;
        if (!writeFileAtomically(path_, text, error) && failed_) {
            failed_(error);
        }
        lock.lock();
        writing_ = false;
        lastError_ = error;
        changed_.notify_all();
    }
}

}  // namespace storage

#pragma once

#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Writes one file again and again with the newest text handed to it, on a thread of
// its own, so that saving a large file now and then never stalls the caller (a long
// recording's saves stalled the window's plot). A text not yet written when a newer
// one comes is skipped. Each write goes through the program's one atomic writer; a
// write that fails is told at once, on the writer's thread, to `failed`.
namespace storage {

class LatestFileWriter {
  public:
    using Failed = std::function<void(const QString& error)>;
    explicit LatestFileWriter(QString path, Failed failed = {});
    // Writes what is still pending first.
    ~LatestFileWriter();
    LatestFileWriter(const LatestFileWriter&) = delete;
    LatestFileWriter& operator=(const LatestFileWriter&) = delete;

    // Hands `text` over and returns at once.
    void writeLater(std::string text);
    // Waits until the newest text is written; that write's error, empty when it worked.
    QString waitUntilWritten();

  private:
    void run();

    const QString path_;
    const Failed failed_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    QString lastError_;
    std::thread thread_;  // last, so that it starts after the rest is made
};

}  // namespace storage

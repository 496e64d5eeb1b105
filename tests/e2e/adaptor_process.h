#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "adaptor_log.h"

// The uhid adaptor as the guest session sees it: a child process that takes commands
// on a pipe, reports its status on another and logs what its model received to a file.
namespace e2e {

class AdaptorProcess {
  public:
    // Starts `program` as the adaptor `identity`, logging to `logPath`.
    AdaptorProcess(const std::string& program, const std::string& identity, std::string logPath);
    // Makes it quit if it still runs.
    ~AdaptorProcess();
    AdaptorProcess(const AdaptorProcess&) = delete;
    AdaptorProcess& operator=(const AdaptorProcess&) = delete;

    bool started() const { return pid_ > 0; }
    bool send(const std::string& command);
    // The next status line, or nothing when none came within `timeout`.
    std::optional<std::string> nextStatus(std::chrono::milliseconds timeout);
    // Every entry logged so far.
    std::vector<LogEntry> log() const { return readLogFile(logPath_); }
    // Asks it to quit and waits for it: its exit status, or -1 when it did not exit
    // normally.
    int quit();

  private:
    std::string logPath_;
    pid_t pid_ = -1;
    int commandFd_ = -1;
    int statusFd_ = -1;
    std::string statusPending_;
};

}  // namespace e2e

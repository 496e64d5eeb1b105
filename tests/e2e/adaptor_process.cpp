#include "adaptor_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

namespace e2e {

namespace {

constexpr auto kQuitTimeout = std::chrono::seconds(30);

void closeFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

}  // namespace

AdaptorProcess::AdaptorProcess(const std::string& program, const std::string& identity,
                               std::string logPath)
    : logPath_(std::move(logPath)) {
    int commands[2] = {-1, -1};
    int status[2] = {-1, -1};
    if (::pipe2(commands, O_CLOEXEC) != 0 || ::pipe2(status, O_CLOEXEC) != 0) {
        closeFd(commands[0]);
        closeFd(commands[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, commands[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, status[1], STDOUT_FILENO);
    std::string programArg = program;
    std::string identityArg = identity;
    std::string logArg = logPath_;
    char* const argv[] = {programArg.data(), identityArg.data(), logArg.data(), nullptr};
    if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(commands[0]);
    ::close(status[1]);
    commandFd_ = commands[1];
    statusFd_ = status[0];
}

AdaptorProcess::~AdaptorProcess() {
    if (pid_ > 0) {
        quit();
    }
    closeFd(commandFd_);
    closeFd(statusFd_);
}

bool AdaptorProcess::send(const std::string& command) {
    const std::string line = command + "\n";
    return commandFd_ >= 0 &&
           ::write(commandFd_, line.data(), line.size()) == static_cast<ssize_t>(line.size());
}

std::optional<std::string> AdaptorProcess::nextStatus(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const std::size_t end = statusPending_.find('\n'); end != std::string::npos) {
            std::string line = statusPending_.substr(0, end);
            statusPending_.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (statusFd_ < 0 || left.count() <= 0) {
            return std::nullopt;
        }
        pollfd watched{statusFd_, POLLIN, 0};
        if (::poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char chunk[256];
        const ssize_t got = ::read(statusFd_, chunk, sizeof chunk);
        if (got <= 0) {
            closeFd(statusFd_);  // the adaptor is gone
            continue;
        }
        statusPending_.append(chunk, static_cast<std::size_t>(got));
    }
}

int AdaptorProcess::quit() {
    if (pid_ <= 0) {
        return -1;
    }
    send("quit");
    closeFd(commandFd_);
    // Waits for "bye" (or the end of the pipe), then for the process; one that hangs
    // is killed so the session never waits forever.
    while (const auto line = nextStatus(kQuitTimeout)) {
        if (*line == "bye") {
            break;
        }
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + kQuitTimeout;
    pid_t waited = 0;
    while ((waited = ::waitpid(pid_, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        ::usleep(10000);
    }
    if (waited == 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
    }
    pid_ = -1;
    return waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace e2e

#include "system/rooted_system.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace diagnosis {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A login session's id is a plain name (logind's are letters and digits, such as "c2").
// It becomes part of a path below /run/systemd/sessions, so anything else is no id.
std::string plainSessionId(std::string id) {
    constexpr std::size_t kMaxLength = 64;
    const bool plain =
        id.size() <= kMaxLength && std::all_of(id.begin(), id.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
    return plain ? id : std::string();
}

}  // namespace

RootedSystem::RootedSystem(std::string root) : root_(std::move(root)) {
    while (root_.size() > 1 && root_.back() == '/') {
        root_.pop_back();
    }
}

std::string RootedSystem::under(const std::string& path) const {
    return root_ == "/" ? path : root_ + path;
}

std::vector<std::string> RootedSystem::listFolder(const std::string& path) const {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(under(path), error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool RootedSystem::exists(const std::string& path) const {
    std::error_code error;
    return std::filesystem::exists(under(path), error);
}

SessionFacts currentSession() {
    SessionFacts session;
    addUserIds(session);
    session.sessionId = plainSessionId(environment("XDG_SESSION_ID"));
    session.sessionType = environment("XDG_SESSION_TYPE");
    if (session.sessionType.empty()) {
        session.sessionType = !environment("WAYLAND_DISPLAY").empty() ? "wayland"
                              : !environment("DISPLAY").empty()       ? "x11"
                                                                      : "";
    }
    session.overSsh = !environment("SSH_CONNECTION").empty();
    return session;
}

}  // namespace diagnosis

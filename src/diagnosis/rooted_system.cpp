#include "diagnosis/rooted_system.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace diagnosis {
namespace {

// Nothing the diagnosis reads is larger; sysfs files claim 4096 bytes whatever they hold.
constexpr std::streamsize kReadLimit = 1 << 16;

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

#ifdef __linux__
// The extended attribute holding a file's access list: a version word, then entries of
// a 16-bit tag, 16-bit permissions and a 32-bit id, all little-endian.
void decodeAcl(const std::string& path, FileFacts& facts) {
    constexpr std::uint16_t kNamedUser = 0x02, kNamedGroup = 0x08, kMask = 0x10;
    constexpr std::size_t kHeader = 4, kEntry = 8;
    std::array<unsigned char, 4096> bytes{};
    const ssize_t length =
        getxattr(path.c_str(), "system.posix_acl_access", bytes.data(), bytes.size());
    if (length < static_cast<ssize_t>(kHeader)) {
        return;
    }
    const auto word16 = [&](std::size_t at) {
        return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
    };
    for (std::size_t at = kHeader; at + kEntry <= static_cast<std::size_t>(length); at += kEntry) {
        const std::uint16_t tag = word16(at);
        const std::uint16_t permissions = word16(at + 2);
        const bool read = (permissions & 4) != 0;
        const bool write = (permissions & 2) != 0;
        if (tag == kMask) {
            facts.aclMask = std::pair{read, write};
        } else if (tag == kNamedUser || tag == kNamedGroup) {
            const std::uint32_t id = word16(at + 4) | (std::uint32_t{word16(at + 6)} << 16);
            facts.acl.push_back({tag == kNamedUser ? AclEntry::Kind::User : AclEntry::Kind::Group,
                                 id, read, write});
        }
    }
}
#endif

}  // namespace

RootedSystem::RootedSystem(std::string root) : root_(std::move(root)) {
    while (root_.size() > 1 && root_.back() == '/') {
        root_.pop_back();
    }
}

std::string RootedSystem::under(const std::string& path) const {
    return root_ == "/" ? path : root_ + path;
}

std::optional<std::string> RootedSystem::readText(const std::string& path) const {
#ifdef __linux__
    // Only regular files are read. Opening without blocking keeps a FIFO or a device
    // found where a file was expected from stopping the program; fstat then refuses it.
    const int file = open(under(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) {
        return std::nullopt;
    }
    constexpr auto kLimit = static_cast<std::size_t>(kReadLimit);
    struct stat status {};
    bool readable = fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    std::string text;
    // sysfs and /proc give no true size, so reading goes on to the end or to the limit.
    char block[4096];
    while (readable && text.size() < kLimit) {
        const ssize_t got = read(file, block, std::min(sizeof block, kLimit - text.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            readable = got == 0;
            break;
        }
        text.append(block, static_cast<std::size_t>(got));
    }
    close(file);
    return readable ? std::optional<std::string>(std::move(text)) : std::nullopt;
#else
    std::ifstream file(under(path), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(kReadLimit), '\0');
    file.read(text.data(), kReadLimit);
    if (file.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
#endif
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

std::optional<FileFacts> RootedSystem::fileFacts(const std::string& path) const {
#ifdef __linux__
    struct stat status {};
    if (stat(under(path).c_str(), &status) != 0) {
        return std::nullopt;
    }
    FileFacts facts;
    facts.owner = status.st_uid;
    facts.group = status.st_gid;
    facts.mode = status.st_mode & 0777;
    decodeAcl(under(path), facts);
    return facts;
#else
    (void)path;
    return std::nullopt;
#endif
}

SessionFacts currentSession() {
    SessionFacts session;
#ifdef __linux__
    session.uid = getuid();
    session.groups.push_back(getgid());
    std::array<gid_t, 256> groups{};
    const int count = getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < count; ++i) {
        session.groups.push_back(groups[static_cast<std::size_t>(i)]);
    }
#endif
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

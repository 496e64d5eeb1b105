// Linux: regular files read without blocking, ownership, mode and the POSIX access list,
// and the user's ids.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "system/rooted_system.h"

namespace diagnosis {
namespace {

// Nothing the diagnosis reads is larger; sysfs files claim 4096 bytes whatever they hold.
constexpr std::size_t kLimit = 1 << 16;

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

}  // namespace

std::optional<std::string> RootedSystem::readText(const std::string& path) const {
    // Only regular files are read. Opening without blocking keeps a FIFO or a device
    // found where a file was expected from stopping the program; fstat then refuses it.
    const int file = open(under(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) {
        return std::nullopt;
    }
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
}

std::optional<FileFacts> RootedSystem::fileFacts(const std::string& path) const {
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
}

void addUserIds(SessionFacts& session) {
    session.uid = getuid();
    session.groups.push_back(getgid());
    std::array<gid_t, 256> groups{};
    const int count = getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < count; ++i) {
        session.groups.push_back(groups[static_cast<std::size_t>(i)]);
    }
}

}  // namespace diagnosis

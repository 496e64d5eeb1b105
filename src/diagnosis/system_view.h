#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The parts of the system the access diagnosis looks at (sysfs, /dev, the udev database,
// rule folders, /etc), read through one small interface so that tests can stand a
// folder of their own in for the root.
namespace diagnosis {

// One entry of a file's POSIX access-control list that names a user or a group.
struct AclEntry {
    enum class Kind { User, Group } kind = Kind::User;
    std::uint32_t id = 0;
    bool read = false;
    bool write = false;
};

// Who owns a file and who may read and write it.
struct FileFacts {
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::uint32_t mode = 0;  // permission bits, e.g. 0600
    std::vector<AclEntry> acl;
    // The access list's mask entry, if it has one: it limits every named entry.
    std::optional<std::pair<bool, bool>> aclMask;  // read, write
};

class SystemView {
  public:
    virtual ~SystemView() = default;

    // `path` is absolute as the system names it ("/sys/class/hidraw").
    virtual std::optional<std::string> readText(const std::string& path) const = 0;
    // The names in a folder, sorted; empty when it cannot be read.
    virtual std::vector<std::string> listFolder(const std::string& path) const = 0;
    virtual bool exists(const std::string& path) const = 0;
    virtual std::optional<FileFacts> fileFacts(const std::string& path) const = 0;
};

// The user the program runs as and the login session it runs in.
struct SessionFacts {
    std::uint32_t uid = 0;
    std::vector<std::uint32_t> groups;  // the primary group included
    std::string sessionId;              // empty outside a login session
    std::string sessionType;            // x11, wayland, tty, or empty when unknown
    bool overSsh = false;
};

}  // namespace diagnosis

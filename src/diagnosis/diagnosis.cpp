#include "diagnosis/diagnosis.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "protocol/adaptor_protocol.h"

namespace diagnosis {
namespace {

constexpr const char* kSysfsHidraw = "/sys/class/hidraw";

struct KnownRuleFolder {
    const char* folder;
    bool readByUdev;
};
// /usr/local/lib/udev/rules.d is not among the folders udev reads on Debian.
constexpr KnownRuleFolder kRuleFolders[] = {{"/usr/lib/udev/rules.d", true},
                                            {"/etc/udev/rules.d", true},
                                            {"/usr/local/lib/udev/rules.d", false}};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The value of a KEY=VALUE line, or nothing.
std::optional<std::string> valueOf(const std::string& text, const std::string& key) {
    for (const std::string& line : linesOf(text)) {
        if (line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return std::nullopt;
}

// Vendor and product from a uevent's "HID_ID=0003:00001DD2:000010A0".
std::optional<std::pair<std::uint16_t, std::uint16_t>> hidIdOf(const std::string& uevent) {
    const std::optional<std::string> id = valueOf(uevent, "HID_ID");
    unsigned bus = 0, vendor = 0, product = 0;
    char tail = 0;
    if (!id || std::sscanf(id->c_str(), "%x:%x:%x%c", &bus, &vendor, &product, &tail) != 3 ||
        vendor > 0xFFFF || product > 0xFFFF) {
        return std::nullopt;
    }
    return std::pair{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product)};
}

// The udev database marks a tag with "G:" (and "Q:" for current tags) lines.
bool taggedUaccess(const SystemView& system, const std::string& nodeName) {
    const std::optional<std::string> number =
        system.readText(std::string(kSysfsHidraw) + "/" + nodeName + "/dev");
    if (!number) {
        return false;
    }
    const std::string deviceNumber = number->substr(0, number->find('\n'));
    const std::optional<std::string> record = system.readText("/run/udev/data/c" + deviceNumber);
    if (!record) {
        return false;
    }
    const std::vector<std::string> lines = linesOf(*record);
    return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line == "G:uaccess" || line == "Q:uaccess";
    });
}

// uid or gid to name, from a passwd- or group-style file, for the ids asked about.
std::vector<std::pair<std::uint32_t, std::string>> namesFrom(
    const SystemView& system, const std::string& path, const std::vector<std::uint32_t>& ids) {
    std::vector<std::pair<std::uint32_t, std::string>> names;
    for (const std::string& line : linesOf(system.readText(path).value_or(""))) {
        std::istringstream fields(line);
        std::string name, password, id;
        if (std::getline(fields, name, ':') && std::getline(fields, password, ':') &&
            std::getline(fields, id, ':') && !id.empty() &&
            id.find_first_not_of("0123456789") == std::string::npos && id.size() < 10) {
            const auto number = static_cast<std::uint32_t>(std::stoul(id));
            if (std::find(ids.begin(), ids.end(), number) != ids.end()) {
                names.emplace_back(number, name);
            }
        }
    }
    return names;
}

bool sessionHasSeat(const Diagnosis& found) {
    return !found.seat.empty() && !found.session.overSsh;
}

Finding findingFor(const NodeState& node, const Diagnosis& found) {
    if (node.mayOpen) {
        return Finding::AllWell;
    }
    if (found.sandboxed && !node.visible) {
        return Finding::SandboxWithoutDevice;
    }
    if (found.sandboxed && !found.udevDatabaseVisible) {
        return Finding::SandboxWithoutUdev;
    }
    const auto& folders = found.ruleFolders;
    const bool ruleRead = std::any_of(folders.begin(), folders.end(), [](const RuleFolder& f) {
        return f.readByUdev && f.holdsRule;
    });
    const bool ruleUnread = std::any_of(folders.begin(), folders.end(), [](const RuleFolder& f) {
        return !f.readByUdev && f.holdsRule;
    });
    // Inside a sandbox the host's rule folders cannot be seen.
    if (!found.sandboxed && !ruleRead) {
        return ruleUnread ? Finding::RuleOnlyInUnreadFolder : Finding::RuleMissing;
    }
    if (!node.taggedUaccess) {
        return Finding::NotTagged;
    }
    if (!sessionHasSeat(found)) {
        return Finding::NoSeat;
    }
    return Finding::Replug;
}

}  // namespace

bool permitsReadWrite(const FileFacts& facts, const SessionFacts& user) {
    if (user.uid == 0) {
        return true;
    }
    const auto bits = [&](unsigned shift) { return ((facts.mode >> shift) & 06) == 06; };
    if (facts.owner == user.uid) {
        return bits(6);
    }
    const auto inGroup = [&](std::uint32_t group) {
        return std::find(user.groups.begin(), user.groups.end(), group) != user.groups.end();
    };
    // With an access list, the group bits of the mode are its mask.
    const bool maskRead = facts.aclMask ? facts.aclMask->first : true;
    const bool maskWrite = facts.aclMask ? facts.aclMask->second : true;
    bool listMatched = false;
    for (const AclEntry& entry : facts.acl) {
        if (entry.kind == AclEntry::Kind::User && entry.id == user.uid) {
            return entry.read && entry.write && maskRead && maskWrite;
        }
    }
    if (inGroup(facts.group)) {
        if (bits(3)) {
            return true;
        }
        listMatched = true;
    }
    for (const AclEntry& entry : facts.acl) {
        if (entry.kind == AclEntry::Kind::Group && inGroup(entry.id)) {
            if (entry.read && entry.write && maskRead && maskWrite) {
                return true;
            }
            listMatched = true;
        }
    }
    return !listMatched && bits(0);
}

Diagnosis diagnose(const SystemView& system, const SessionFacts& session) {
    Diagnosis found;
    found.session = session;
    if (const auto info = system.readText("/.flatpak-info")) {
        found.sandboxed = true;
        found.sandboxAppId = valueOf(*info, "name").value_or("");
    }
    found.udevDatabaseVisible = system.exists("/run/udev/data");
    for (const KnownRuleFolder& known : kRuleFolders) {
        found.ruleFolders.push_back(
            {known.folder, known.readByUdev,
             system.exists(std::string(known.folder) + "/" + kRuleFileName)});
    }
    if (!session.sessionId.empty()) {
        const std::string record =
            system.readText("/run/systemd/sessions/" + session.sessionId).value_or("");
        if (valueOf(record, "REMOTE").value_or("0") != "1") {
            found.seat = valueOf(record, "SEAT").value_or("");
        }
    }

    std::vector<std::uint32_t> owners, groups;
    for (const std::string& name : system.listFolder(kSysfsHidraw)) {
        const std::string folder = std::string(kSysfsHidraw) + "/" + name;
        const std::string uevent = system.readText(folder + "/device/uevent").value_or("");
        const auto id = hidIdOf(uevent);
        if (!id || id->first != protocol::kVendorId) {
            continue;
        }
        NodeState node;
        node.name = name;
        node.devicePath = "/dev/" + name;
        node.productId = id->second;
        node.serialNumber = valueOf(uevent, "HID_UNIQ").value_or("");
        node.visible = system.exists(node.devicePath);
        node.facts = system.fileFacts(node.devicePath);
        node.mayOpen = node.facts && permitsReadWrite(*node.facts, session);
        node.taggedUaccess = taggedUaccess(system, name);
        if (node.facts) {
            owners.push_back(node.facts->owner);
            groups.push_back(node.facts->group);
        }
        found.nodes.push_back(std::move(node));
    }
    found.userNames = namesFrom(system, "/etc/passwd", owners);
    found.groupNames = namesFrom(system, "/etc/group", groups);

    found.finding = found.nodes.empty() ? Finding::NoAdaptor : Finding::AllWell;
    for (NodeState& node : found.nodes) {
        node.finding = findingFor(node, found);
        if (found.finding == Finding::AllWell) {
            found.finding = node.finding;
        }
    }
    return found;
}

}  // namespace diagnosis

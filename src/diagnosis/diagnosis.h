#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "diagnosis/system_view.h"

// Why this user may or may not open the adaptor's hidraw nodes, and the one fix.
namespace diagnosis {

inline constexpr const char* kRuleFileName = "70-shifter-calibration.rules";

// The case found, in the order the checks run; the first that applies names the fix.
enum class Finding {
    AllWell,                 // every node of ours opens
    NoAdaptor,               // sysfs lists no node of ours
    SandboxWithoutDevice,    // sandboxed, and the node is missing from its /dev
    SandboxWithoutUdev,      // sandboxed without the udev database
    RuleMissing,             // no copy of the rule where udev reads rules
    RuleOnlyInUnreadFolder,  // the rule sits only under /usr/local, which udev skips
    NotTagged,               // rule in place, node not tagged: udev needs a re-trigger
    NoSeat,                  // tagged, but this session sits at no seat
    Replug,                  // everything in place, yet refused: replug the adaptor
    NotOnThisSystem,         // no hidraw, no udev (Windows, macOS): nothing to diagnose
};

// One hidraw node of our vendor, as sysfs, /dev and the udev database describe it.
struct NodeState {
    std::string name;        // "hidraw3"
    std::string devicePath;  // "/dev/hidraw3"
    std::uint16_t productId = 0;
    std::string serialNumber;  // as the kernel has it (HID_UNIQ), readable without access
    bool visible = false;      // the node exists under /dev
    std::optional<FileFacts> facts;
    bool mayOpen = false;
    bool taggedUaccess = false;
    Finding finding = Finding::AllWell;
};

// One folder udev rules may sit in, and whether our rule is there.
struct RuleFolder {
    std::string folder;
    bool readByUdev = true;
    bool holdsRule = false;
};

struct Diagnosis {
    std::vector<NodeState> nodes;
    std::vector<RuleFolder> ruleFolders;
    std::string sandboxAppId;  // not empty: runs in a Flatpak sandbox of this app
    bool sandboxed = false;
    bool udevDatabaseVisible = false;
    SessionFacts session;
    std::string seat;  // the session's seat; empty when it has none
    Finding finding = Finding::AllWell;
    // Names of the owners and groups of the nodes, from /etc/passwd and /etc/group.
    std::vector<std::pair<std::uint32_t, std::string>> userNames;
    std::vector<std::pair<std::uint32_t, std::string>> groupNames;
};

Diagnosis diagnose(const SystemView& system, const SessionFacts& session);

// Whether `user` may read and write a file with `facts`, by owner, group, access list
// and mode, as the kernel decides it (root always may).
bool permitsReadWrite(const FileFacts& facts, const SessionFacts& user);

}  // namespace diagnosis

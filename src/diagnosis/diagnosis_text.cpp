#include "diagnosis/diagnosis_text.h"

#include <cstdio>

namespace diagnosis {
namespace {

const std::string kRetrigger =
    "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw";

std::string nameOf(const std::vector<std::pair<std::uint32_t, std::string>>& names,
                   std::uint32_t id) {
    for (const auto& [number, name] : names) {
        if (number == id) {
            return name;
        }
    }
    return std::to_string(id);
}

std::string modeText(std::uint32_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

std::string aclText(const Diagnosis& found, const FileFacts& facts) {
    if (facts.acl.empty()) {
        return "none";
    }
    std::string text;
    for (const AclEntry& entry : facts.acl) {
        const bool user = entry.kind == AclEntry::Kind::User;
        text += (text.empty() ? "" : ", ") + std::string(user ? "user:" : "group:") +
                nameOf(user ? found.userNames : found.groupNames, entry.id) + ":" +
                (entry.read ? "r" : "-") + (entry.write ? "w" : "-");
    }
    return text;
}

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(value));
    return text;
}

std::string nodeText(const Diagnosis& found, const NodeState& node) {
    std::string text = "  " + node.devicePath + " (adaptor 1dd2:" + hex4(node.productId) + "): ";
    if (node.mayOpen) {
        text += "this user may open it\n";
    } else {
        text += "this user may not open it (" + refusalReason(node.finding) + ")\n";
    }
    if (!node.visible) {
        text += "    not present under /dev\n";
    } else if (node.facts) {
        text += "    owner " + nameOf(found.userNames, node.facts->owner) + ", group " +
                nameOf(found.groupNames, node.facts->group) + ", mode " +
                modeText(node.facts->mode) + ", access list: " + aclText(found, *node.facts) + "\n";
    }
    text += std::string("    udev tag uaccess: ") + (node.taggedUaccess ? "yes" : "no") + "\n";
    return text;
}

std::string sessionText(const Diagnosis& found) {
    const SessionFacts& session = found.session;
    std::string text = "Session: ";
    text += session.sessionId.empty() ? "no login session" : "login session " + session.sessionId;
    text += found.seat.empty() ? ", no seat" : ", seat " + found.seat;
    text += session.overSsh ? ", over SSH" : "";
    return text + ", user id " + std::to_string(session.uid) + "\n";
}

}  // namespace

Fix fixFor(const Diagnosis& found) {
    const std::string app = found.sandboxAppId.empty() ? "APP-ID" : found.sandboxAppId;
    switch (found.finding) {
        case Finding::AllWell:
            return {"This user may open every adaptor plugged in.", ""};
        case Finding::NoAdaptor:
            return {"No adaptor is plugged in: plug it in.", ""};
        case Finding::SandboxWithoutDevice:
            return {
                "The program runs in a Flatpak sandbox that cannot see the adaptor: grant "
                "it device access, then start it again.",
                "flatpak override --user --device=all " + app};
        case Finding::SandboxWithoutUdev:
            return {
                "The program runs in a Flatpak sandbox without the udev database: grant it "
                "/run/udev, then start it again.",
                "flatpak override --user --filesystem=/run/udev:ro " + app};
        case Finding::RuleMissing:
            return {
                "No udev rule gives this user the adaptor: install "
                "70-shifter-calibration.rules from the source folder, then re-trigger udev "
                "as root.",
                "sudo install -m 644 packaging/70-shifter-calibration.rules "
                "/etc/udev/rules.d/ && " +
                    kRetrigger};
        case Finding::RuleOnlyInUnreadFolder:
            return {
                "The udev rule is only under /usr/local/lib/udev/rules.d, which udev does "
                "not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as "
                "root.",
                "sudo mv /usr/local/lib/udev/rules.d/70-shifter-calibration.rules "
                "/etc/udev/rules.d/ && " +
                    kRetrigger};
        case Finding::NotTagged:
            return {
                "The udev rule is installed but not yet applied to the adaptor: re-trigger "
                "udev as root, or unplug and replug the adaptor.",
                kRetrigger};
        case Finding::NoSeat:
            return {
                "The adaptor is given to the person at the machine, and this session has "
                "no seat (over SSH or outside a desktop login): run the program from the "
                "desktop session at the machine.",
                ""};
        case Finding::Replug:
            return {
                "The rule is applied and this session has a seat, yet the system refuses "
                "the adaptor: unplug it and plug it in again.",
                ""};
        case Finding::NotOnThisSystem:
            return {
                "The access diagnosis is made on Linux only; here, close any other program "
                "that uses the adaptor, or unplug it and plug it in again.",
                ""};
    }
    return {};
}

std::string refusalReason(Finding finding) {
    switch (finding) {
        case Finding::AllWell:
        case Finding::NoAdaptor:
            return "no refusal";
        case Finding::SandboxWithoutDevice:
            return "the sandbox hides the device";
        case Finding::SandboxWithoutUdev:
            return "the sandbox hides the udev database";
        case Finding::RuleMissing:
            return "no udev rule installed";
        case Finding::RuleOnlyInUnreadFolder:
            return "the udev rule is in a folder udev does not read";
        case Finding::NotTagged:
            return "udev has not applied the rule yet";
        case Finding::NoSeat:
            return "this session has no seat";
        case Finding::Replug:
            return "refused although the rule applies";
        case Finding::NotOnThisSystem:
            return "the system refused to open it";
    }
    return {};
}

std::string diagnosisText(const Diagnosis& found) {
    if (found.finding == Finding::NotOnThisSystem) {
        return "Not on this system: it has no hidraw nodes, udev rules or seats to look at.\n"
               "Fix: " +
               fixFor(found).sentence + "\n";
    }
    std::string text = "Adaptor nodes:\n";
    if (found.nodes.empty()) {
        text += "  none of our vendor in /sys/class/hidraw\n";
    }
    for (const NodeState& node : found.nodes) {
        text += nodeText(found, node);
    }
    text += std::string("Rule ") + kRuleFileName + ":\n";
    for (const RuleFolder& folder : found.ruleFolders) {
        text += "  " + folder.folder + ": " + (folder.holdsRule ? "present" : "missing") +
                (folder.readByUdev ? "" : " (udev does not read this folder on Debian)") + "\n";
    }
    text +=
        "Sandbox: " + (found.sandboxed ? "Flatpak " + found.sandboxAppId : std::string("none")) +
        "\n";
    text += std::string("udev database: ") +
            (found.udevDatabaseVisible ? "visible" : "not visible") + "\n";
    text += sessionText(found);
    const Fix fix = fixFor(found);
    text += "Fix: " + fix.sentence + "\n";
    if (!fix.command.empty()) {
        text += "    " + fix.command + "\n";
    }
    return text;
}

}  // namespace diagnosis

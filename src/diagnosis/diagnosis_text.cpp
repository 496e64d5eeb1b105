#include "diagnosis/diagnosis_text.h"

#include "i18n/translate.h"

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
        return i18n::translate("Diagnosis", "none");
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
    std::string text = i18n::arg(i18n::translate("Diagnosis", "  %1 (adaptor 1dd2:%2): "),
                                 {node.devicePath, hex4(node.productId)});
    if (node.mayOpen) {
        text += i18n::translate("Diagnosis", "this user may open it\n");
    } else {
        text += i18n::arg(i18n::translate("Diagnosis", "this user may not open it (%1)\n"),
                          {refusalReason(node.finding)});
    }
    if (!node.visible) {
        text += i18n::translate("Diagnosis", "    not present under /dev\n");
    } else if (node.facts) {
        text += i18n::arg(
            i18n::translate("Diagnosis", "    owner %1, group %2, mode %3, access list: %4\n"),
            {nameOf(found.userNames, node.facts->owner),
             nameOf(found.groupNames, node.facts->group), modeText(node.facts->mode),
             aclText(found, *node.facts)});
    }
    text += i18n::translate("Diagnosis", "    udev tag uaccess: ") +
            (node.taggedUaccess ? i18n::translate("Diagnosis", "yes")
                                : i18n::translate("Diagnosis", "no")) +
            "\n";
    return text;
}

std::string sessionText(const Diagnosis& found) {
    const SessionFacts& session = found.session;
    std::string text = i18n::translate("Diagnosis", "Session: ");
    text += session.sessionId.empty()
                ? i18n::translate("Diagnosis", "no login session")
                : i18n::arg(i18n::translate("Diagnosis", "login session %1"), {session.sessionId});
    text += found.seat.empty() ? i18n::translate("Diagnosis", ", no seat")
                               : i18n::arg(i18n::translate("Diagnosis", ", seat %1"), {found.seat});
    text += session.overSsh ? i18n::translate("Diagnosis", ", over SSH") : "";
    return text +
           i18n::arg(i18n::translate("Diagnosis", ", user id %1\n"), {std::to_string(session.uid)});
}

}  // namespace

Fix fixFor(const Diagnosis& found) {
    const std::string app = found.sandboxAppId.empty() ? "APP-ID" : found.sandboxAppId;
    switch (found.finding) {
        case Finding::AllWell:
            return {i18n::translate("Diagnosis", "This user may open every adaptor plugged in."),
                    ""};
        case Finding::NoAdaptor:
            return {i18n::translate("Diagnosis", "No adaptor is plugged in: plug it in."), ""};
        case Finding::SandboxWithoutDevice:
            return {i18n::translate(
                        "Diagnosis",
                        "The program runs in a Flatpak sandbox that cannot see the adaptor: grant "
                        "it device access, then start it again."),
                    "flatpak override --user --device=all " + app};
        case Finding::SandboxWithoutUdev:
            return {i18n::translate(
                        "Diagnosis",
                        "The program runs in a Flatpak sandbox without the udev database: grant it "
                        "/run/udev, then start it again."),
                    "flatpak override --user --filesystem=/run/udev:ro " + app};
        case Finding::RuleMissing:
            return {i18n::translate(
                        "Diagnosis",
                        "No udev rule gives this user the adaptor: install "
                        "70-shifter-calibration.rules from the source folder, then re-trigger udev "
                        "as root."),
                    "sudo install -m 644 packaging/70-shifter-calibration.rules "
                    "/etc/udev/rules.d/ && " +
                        kRetrigger};
        case Finding::RuleOnlyInUnreadFolder:
            return {i18n::translate(
                        "Diagnosis",
                        "The udev rule is only under /usr/local/lib/udev/rules.d, which udev does "
                        "not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as "
                        "root."),
                    "sudo mv /usr/local/lib/udev/rules.d/70-shifter-calibration.rules "
                    "/etc/udev/rules.d/ && " +
                        kRetrigger};
        case Finding::NotTagged:
            return {i18n::translate(
                        "Diagnosis",
                        "The udev rule is installed but not yet applied to the adaptor: re-trigger "
                        "udev as root, or unplug and replug the adaptor."),
                    kRetrigger};
        case Finding::NoSeat:
            return {i18n::translate(
                        "Diagnosis",
                        "The adaptor is given to the person at the machine, and this session has "
                        "no seat (over SSH or outside a desktop login): run the program from the "
                        "desktop session at the machine."),
                    ""};
        case Finding::Replug:
            return {i18n::translate(
                        "Diagnosis",
                        "The rule is applied and this session has a seat, yet the system refuses "
                        "the adaptor: unplug it and plug it in again."),
                    ""};
        case Finding::NotOnThisSystem:
#ifdef _WIN32
            return {i18n::translate("Diagnosis",
                                    "Windows opens the adaptor with its own driver for input "
                                    "devices, so none needs installing: close any other program "
                                    "that uses the adaptor, or unplug it and plug it in again."),
                    ""};
#else
            return {i18n::translate("Diagnosis",
                                    "The access diagnosis is made on Linux only; here, close any "
                                    "other program that uses the adaptor, or unplug it and plug "
                                    "it in again."),
                    ""};
#endif
    }
    return {};
}

std::string refusalAdvice(const Diagnosis& found) {
    if (found.finding == Finding::AllWell || found.finding == Finding::NoAdaptor) {
        return i18n::translate(
            "Diagnosis",
            "The adaptor is plugged in, but the system does not let this program open it. "
            "Install 70-shifter-calibration.rules (see README), then run \"udevadm control "
            "--reload-rules\" and \"udevadm trigger\" as root, or unplug and replug the "
            "adaptor.");
    }
    return fixFor(found).sentence;
}

std::string refusalReason(Finding finding) {
    switch (finding) {
        case Finding::AllWell:
        case Finding::NoAdaptor:
            return i18n::translate("Diagnosis", "no refusal");
        case Finding::SandboxWithoutDevice:
            return i18n::translate("Diagnosis", "the sandbox hides the device");
        case Finding::SandboxWithoutUdev:
            return i18n::translate("Diagnosis", "the sandbox hides the udev database");
        case Finding::RuleMissing:
            return i18n::translate("Diagnosis", "no udev rule installed");
        case Finding::RuleOnlyInUnreadFolder:
            return i18n::translate("Diagnosis", "the udev rule is in a folder udev does not read");
        case Finding::NotTagged:
            return i18n::translate("Diagnosis", "udev has not applied the rule yet");
        case Finding::NoSeat:
            return i18n::translate("Diagnosis", "this session has no seat");
        case Finding::Replug:
            return i18n::translate("Diagnosis", "refused although the rule applies");
        case Finding::NotOnThisSystem:
            return i18n::translate("Diagnosis", "the system refused to open it");
    }
    return {};
}

std::string diagnosisText(const Diagnosis& found) {
    if (found.finding == Finding::NotOnThisSystem) {
        return i18n::translate("Diagnosis",
                               "Not on this system: it has no hidraw nodes, udev rules or seats "
                               "to look at.\n") +
               i18n::translate("Diagnosis", "Fix: ") + fixFor(found).sentence + "\n";
    }
    std::string text = i18n::translate("Diagnosis", "Adaptor nodes:\n");
    if (found.nodes.empty()) {
        text += i18n::translate("Diagnosis", "  none of our vendor in /sys/class/hidraw\n");
    }
    for (const NodeState& node : found.nodes) {
        text += nodeText(found, node);
    }
    text += i18n::arg(i18n::translate("Diagnosis", "Rule %1:\n"), {kRuleFileName});
    for (const RuleFolder& folder : found.ruleFolders) {
        text +=
            "  " + folder.folder + ": " +
            (folder.holdsRule ? i18n::translate("Diagnosis", "present")
                              : i18n::translate("Diagnosis", "missing")) +
            (folder.readByUdev
                 ? ""
                 : i18n::translate("Diagnosis", " (udev does not read this folder on Debian)")) +
            "\n";
    }
    text +=
        i18n::translate("Diagnosis", "Sandbox: ") +
        (found.sandboxed ? "Flatpak " + found.sandboxAppId : i18n::translate("Diagnosis", "none")) +
        "\n";
    text += i18n::translate("Diagnosis", "udev database: ") +
            (found.udevDatabaseVisible ? i18n::translate("Diagnosis", "visible")
                                       : i18n::translate("Diagnosis", "not visible")) +
            "\n";
    text += sessionText(found);
    const Fix fix = fixFor(found);
    text += i18n::translate("Diagnosis", "Fix: ") + fix.sentence + "\n";
    if (!fix.command.empty()) {
        text += "    " + fix.command + "\n";
    }
    return text;
}

}  // namespace diagnosis

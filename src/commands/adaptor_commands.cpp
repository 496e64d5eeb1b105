#include <vector>

#include "commands/command_text.h"
#include "commands/commands.h"
#include "diagnosis/diagnosis_text.h"
#include "i18n/translate.h"
#include "protocol/dump_text.h"
#include "protocol/products.h"
#include "protocol/threshold_range.h"

namespace commands {
namespace {

// The diagnosis's record of the node at `path`, if it has one.
const diagnosis::NodeState* nodeAt(const std::string& path, const diagnosis::Diagnosis* access) {
    if (access != nullptr) {
        for (const diagnosis::NodeState& node : access->nodes) {
            if (node.devicePath == path) {
                return &node;
            }
        }
    }
    return nullptr;
}

CommandOutput noAdaptor(const diagnosis::Diagnosis* access) {
    return {kExitNoAdaptor, "", noAdaptorText(access)};
}

// "a Kelvo", "a USB shifter", "an unknown": the article goes by how the name sounds.
std::string productWithArticle(std::uint16_t productId) {
    const std::string name = productName(productId);
    return i18n::arg(name == i18n::translate("Commands", "unknown")
                         ? i18n::translate("Commands", "an %1")
                         : i18n::translate("Commands", "a %1"),
                     {name});
}

}  // namespace

CommandOutput listAdaptorsCommand(hid::HidLayer& hid, const diagnosis::Diagnosis* access) {
    std::vector<hid::InterfaceIdentity> interfaces;
    hid.enumerate(interfaces);
    CommandOutput output;
    for (const hid::InterfaceIdentity& candidate : interfaces) {
        if (!protocol::isAcceptedAdaptor(candidate.vendorId, candidate.productId)) {
            continue;
        }
        AdaptorLink link(hid);
        if (link.open(candidate)) {
            output.out +=
                identityLine(readIdentity(link)) + i18n::translate("Commands", "  access: yes\n");
        } else {
            // Without opening it, only enumeration and sysfs tell who it is.
            const diagnosis::NodeState* node = nodeAt(candidate.path, access);
            AdaptorIdentity seen;
            seen.path = candidate.path;
            seen.productId = candidate.productId;
            seen.versionNumber = candidate.versionNumber;
            seen.serialNumber = node != nullptr ? node->serialNumber : "";
            output.out +=
                identityLine(seen) +
                i18n::arg(i18n::translate("Commands", "  access: no (%1)\n"),
                          {node != nullptr
                               ? diagnosis::refusalReason(node->finding)
                               : i18n::translate("Commands", "the system refused to open it")});
        }
    }
    if (output.out.empty()) {
        return {kExitNoAdaptor, "", i18n::translate("Commands", "No adaptor found.\n")};
    }
    return output;
}

ReadResult readCommand(hid::HidLayer& hid, const diagnosis::Diagnosis* access) {
    ReadResult result;
    AdaptorLink link(hid);
    if (!openFirstAdaptor(hid, link)) {
        result.exitCode = kExitNoAdaptor;
        result.error = noAdaptorText(access);
        return result;
    }
    result.identity = readIdentity(link);
    // The loader waits for firmware: every report it gets is taken as part of an image.
    if (!protocol::reportsLever(protocol::signExtendedProduct(link.productId()))) {
        return result;
    }
    result.thresholds = readThresholds(link);
    if (!result.thresholds) {
        result.exitCode = kExitFailed;
        result.error =
            i18n::translate("Commands", "The adaptor did not answer the settings request.\n");
    }
    return result;
}

CommandOutput readOutput(const ReadResult& result) {
    if (result.exitCode == kExitNoAdaptor) {
        return {result.exitCode, "", result.error};
    }
    const AdaptorIdentity& identity = result.identity;
    CommandOutput output{result.exitCode, "", result.error};
    output.out = identityBlock(identity);
    if (result.thresholds) {
        output.out +=
            i18n::translate("Commands", "Thresholds: ") + thresholdsText(*result.thresholds) + "\n";
    } else if (!protocol::reportsLever(protocol::signExtendedProduct(identity.productId))) {
        output.out +=
            i18n::translate("Commands", "Thresholds: none (the adaptor waits for firmware)\n");
    }
    return output;
}

CommandOutput writeCommand(hid::HidLayer& hid, const WriteRequest& request,
                           const diagnosis::Diagnosis* access) {
    const std::vector<Assignment>& assignments = request.assignments.assignments;
    std::string refusal = request.assignments.error;
    const auto beyondRange = std::find_if(
        assignments.begin(), assignments.end(),
        [](const Assignment& assignment) { return !protocol::isThreshold(assignment.value); });
    if (refusal.empty() && beyondRange != assignments.end()) {
        refusal = protocol::notAThresholdText(protocol::factsAt(beyondRange->address).name,
                                              beyondRange->value);
    }
    if (!refusal.empty()) {
        return {kExitUsage, "",
                i18n::arg(i18n::translate("Commands", "Nothing was sent: %1.\n"), {refusal})};
    }
    AdaptorLink link(hid);
    if (!openFirstAdaptor(hid, link)) {
        return noAdaptor(access);
    }
    if (!protocol::reportsLever(protocol::signExtendedProduct(link.productId()))) {
        return {kExitFailed, "",
                i18n::translate(
                    "Commands",
                    "Nothing was sent: the adaptor waits for firmware and holds no thresholds.\n")};
    }
    if (request.madeForProduct && *request.madeForProduct != link.productId()) {
        return {kExitUsage, "",
                i18n::arg(
                    i18n::translate(
                        "Commands",
                        "Nothing was sent: the values were made for %1 adaptor, and this is %2.\n"),
                    {productWithArticle(*request.madeForProduct),
                     productWithArticle(link.productId())})};
    }
    const WriteOutcome outcome = writeThresholds(link, assignments);
    CommandOutput output;
    output.out = i18n::arg(
        i18n::translate("Commands", "Before: %1\nWritten: %2\n"),
        {outcome.before ? thresholdsText(*outcome.before) : i18n::translate("Commands", "unread"),
         assignmentsText(assignments)});
    if (!outcome.allAccepted()) {
        output.exitCode = kExitFailed;
        output.err =
            i18n::arg(i18n::translate("Commands", "The adaptor refused %1 of %2 reports.\n"),
                      {std::to_string(outcome.reportsSent - outcome.reportsAccepted),
                       std::to_string(outcome.reportsSent)});
    }
    if (!outcome.before) {
        return output;  // without the values before, those after are not known either
    }
    Thresholds after = *outcome.before;
    for (const Assignment& assignment : assignments) {
        after[assignment.address] = assignment.value;
    }
    if (outcome.allAccepted()) {
        output.out += i18n::translate("Commands", "After: ") + thresholdsText(after) + "\n";
    }
    if (request.history != nullptr) {
        const history::Identity adaptor = historyIdentity(readIdentity(link));
        for (const history::Entry& entry :
             {history::Entry{0, adaptor, history::Event::Read, *outcome.before, true},
              history::Entry{0, adaptor, history::Event::StoredByCommand, after,
                             outcome.allAccepted()}}) {
            const history::Recorded recorded = request.history->record(entry);
            output.err += recorded.notice.empty() ? "" : recorded.notice + "\n";
            if (!recorded.saved) {
                output.exitCode = kExitFailed;
            }
        }
    }
    return output;
}

CommandOutput dumpCommand(hid::HidLayer& hid, const diagnosis::Diagnosis* access) {
    AdaptorLink link(hid);
    if (!openFirstAdaptor(hid, link)) {
        return noAdaptor(access);
    }
    if (!protocol::offersMemoryDump(protocol::signExtendedProduct(link.productId()))) {
        return {kExitFailed, "",
                i18n::translate("Commands", "This adaptor does not hand out its memory.\n")};
    }
    const std::string text = readMemoryDump(link);
    const bool complete = text.find(protocol::kUnreadField) == std::string::npos;
    return {complete ? kExitOk : kExitFailed, text + "\n",
            complete ? ""
                     : i18n::translate(
                           "Commands",
                           "Some memory blocks could not be read (shown as question marks).\n")};
}

}  // namespace commands

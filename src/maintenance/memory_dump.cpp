// "Read shifter memory": fetches the adaptor's memory and shows it for copying.
#include <algorithm>
#include <string>

#include "protocol/dump_text.h"
#include "window/frm_main.h"

namespace {

constexpr const char* kDumpTitle = "Contents of shifter EEPROM memory";

// Without a configured address the user is sent to the adaptor's support, not to an
// address that reaches nobody.
std::string dumpPrompt(const std::string& supportAddress) {
    const std::string recipient =
        supportAddress.empty() ? std::string("your adaptor's support") : supportAddress;
    return "This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to " +
           recipient + " for analysis. Thank you!";
}

}  // namespace

void frmMain::Command1_Click() {
    protocol::writeRequestMemoryDump(session.featureBuffer);
    SendFeatureBuffer(protocol::kMemoryBlockReportLength);

    // The eight fetches follow even a failed request; each block shows only the bytes its
    // own reply carried, and unread fields for the rest.
    const std::string text = protocol::memoryDumpText(
        session.attributes.ProductID, [this](protocol::ReportBuffer& reply) {
            FetchFeatureReply(reply, protocol::kMemoryBlockReportLength);
            return static_cast<std::size_t>(std::max(session.featureBytesRead, 0));
        });

    // The dialog is only for copying the text: what it returns changes nothing.
    toolkit_.InputBox(dumpPrompt(options_.supportAddress), kDumpTitle, text);
}

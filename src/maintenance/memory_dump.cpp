// "Read shifter memory": fetches the adaptor's memory and shows it for copying.
#include <string>

#include "maintenance/dump_text.h"
#include "window/frm_main.h"

namespace {

constexpr const char* kDumpTitle = "Contents of shifter EEPROM memory";

std::string dumpPrompt(const std::string& supportAddress) {
    return "This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to " +
           supportAddress + " for analysis. Thank you!";
}

}  // namespace

void frmMain::Command1_Click() {
    protocol::writeRequestMemoryDump(session.featureBuffer);
    SendFeatureBuffer(protocol::kMemoryBlockReportLength);

    // The eight fetches follow even a failed request; each block shows only what its
    // own fetch brought, and a failed fetch shows unread fields.
    std::string text(maintenance::modelLabel(session.attributes.ProductID));
    protocol::ReportBuffer reply{};
    for (std::size_t block = 0; block < protocol::kMemoryBlockCount; ++block) {
        if (FetchFeatureReply(reply, protocol::kMemoryBlockReportLength)) {
            maintenance::appendBlockFields(
                text, std::span<const std::uint8_t>(reply)
                          .subspan<protocol::kMemoryBlockOffset, protocol::kMemoryBlockSize>());
        } else {
            maintenance::appendUnreadBlockFields(text);
        }
    }

    // The dialog is only for copying the text: what it returns changes nothing.
    toolkit_.InputBox(dumpPrompt(options_.supportAddress), kDumpTitle, text);
}

// "Read shifter memory": fetches the adaptor's memory and shows it for copying.
#include <algorithm>
#include <string>

#include "i18n/translate.h"
#include "protocol/dump_text.h"
#include "window/frm_main.h"

namespace {

constexpr const char* kDumpTitle = QT_TRANSLATE_NOOP("Window", "Contents of shifter EEPROM memory");

// Without a configured address the user is sent to the adaptor's support, not to an
// address that reaches nobody.
std::string dumpPrompt(const std::string& supportAddress) {
    const std::string recipient = supportAddress.empty()
                                      ? i18n::translate("Window", "your adaptor's support")
                                      : supportAddress;
    return i18n::arg(i18n::translate("Window",
                                     "This is shifter EEPROM contents. Please copy "
                                     "(Ctrl+C) and email this text to %1 for "
                                     "analysis. Thank you!"),
                     {recipient});
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
    toolkit_.InputBox(dumpPrompt(options_.supportAddress), i18n::translate("Window", kDumpTitle),
                      text);
}

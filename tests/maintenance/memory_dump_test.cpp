// "Read shifter memory" on the simulated bus.
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace {

constexpr std::size_t kFieldLength = 3;
constexpr std::size_t kBlockTextLength = protocol::kMemoryBlockSize * kFieldLength;
constexpr const char* kUnreadBlock = " ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ??";

class MemoryDumpTest : public WindowTest {
  protected:
    // An adaptor whose byte i holds a value that differs from its neighbours'.
    sim::DeviceId addAdaptorWithMemory(sim::AdaptorIdentity identity) {
        const sim::DeviceId id = bus.addAdaptor(std::move(identity));
        bus.adaptor(id).settingsInMemory = false;  // every byte the pattern's
        for (std::size_t i = 0; i < protocol::kMemorySize; ++i) {
            bus.adaptor(id).memory[i] = static_cast<std::uint8_t>(i * 37 + 11);
        }
        return id;
    }

    // The dump the last dialog showed, without its label.
    std::string dumpFields(std::size_t labelLength) const {
        return toolkit.inputBoxes.back().defaultText.substr(labelLength);
    }

    // The text a block's fields should read for these 16 bytes.
    static std::string fieldsOf(const std::uint8_t* bytes) {
        std::string text;
        for (std::size_t i = 0; i < protocol::kMemoryBlockSize; ++i) {
            static constexpr char kDigits[] = "0123456789ABCDEF";
            text += {' ', kDigits[bytes[i] >> 4], kDigits[bytes[i] & 0x0F]};
        }
        return text;
    }

    std::vector<support::CallRecord> callsOfKind(support::CallKind kind) const {
        std::vector<support::CallRecord> calls;
        for (const support::CallRecord& call : hid.log()) {
            if (call.kind == kind) {
                calls.push_back(call);
            }
        }
        return calls;
    }
};

TEST_F(MemoryDumpTest, KelvoDumpHasLabelAndEveryByteInOrder) {
    const sim::DeviceId id = addAdaptorWithMemory(sim::kelvoIdentity());
    bus.adaptor(id).memory[0] = 0x00;
    bus.adaptor(id).memory[1] = 0x0A;
    bus.adaptor(id).memory[2] = 0xFF;
    bus.adaptor(id).memory[16] = 0x5C;   // block 1 begins
    bus.adaptor(id).memory[127] = 0xB7;  // the last byte
    loadWindow().Command1_Click();

    ASSERT_EQ(toolkit.inputBoxes.size(), 1u);
    const std::string& text = toolkit.inputBoxes[0].defaultText;
    EXPECT_EQ(text.size(), 391u);
    EXPECT_EQ(text.substr(0, 16), "Kelvo:  00 0A FF");
    EXPECT_EQ(text.substr(7 + 16 * kFieldLength, kFieldLength), " 5C");
    EXPECT_EQ(text.substr(text.size() - kFieldLength), " B7");
    for (std::size_t block = 0; block < protocol::kMemoryBlockCount; ++block) {
        EXPECT_EQ(text.substr(7 + block * kBlockTextLength, kBlockTextLength),
                  fieldsOf(&bus.adaptor(id).memory[block * protocol::kMemoryBlockSize]))
            << "block " << block;
    }
}

TEST_F(MemoryDumpTest, LabelFollowsTheProduct) {
    addAdaptorWithMemory(sim::miradIdentity());
    loadWindow().Command1_Click();
    EXPECT_EQ(toolkit.inputBoxes.back().defaultText.substr(0, 7), "Mirad: ");
    EXPECT_EQ(toolkit.inputBoxes.back().defaultText.size(), 391u);
}

TEST_F(MemoryDumpTest, OtherProductHasNoLabel) {
    const sim::DeviceId id = addAdaptorWithMemory(sim::usbShifterIdentity());
    loadWindow().Command1_Click();
    const std::string& text = toolkit.inputBoxes.back().defaultText;
    EXPECT_EQ(text.size(), 384u);
    EXPECT_EQ(text[0], ' ');
    EXPECT_EQ(text.substr(0, kBlockTextLength), fieldsOf(&bus.adaptor(id).memory[0]));
}

// A block whose fetch failed shows unread fields; every other block shows exactly the
// bytes its own fetch brought.
TEST_F(MemoryDumpTest, FailedFetchShowsUnreadFieldsForThatBlockOnly) {
    addAdaptorWithMemory(sim::kelvoIdentity());
    loadWindow();
    hid.clearLog();
    // The request, then the fetches of blocks 0, 1, 2, 3.
    hid.failCall(hid.callCount() + 4);
    createdWindow->Command1_Click();

    const std::vector<support::CallRecord> fetches = callsOfKind(support::CallKind::GetFeature);
    ASSERT_EQ(fetches.size(), protocol::kMemoryBlockCount);
    const std::string fields = dumpFields(7);
    ASSERT_EQ(fields.size(), 384u);
    for (std::size_t block = 0; block < protocol::kMemoryBlockCount; ++block) {
        const std::string shown = fields.substr(block * kBlockTextLength, kBlockTextLength);
        if (block == 3) {
            EXPECT_FALSE(fetches[block].result);
            EXPECT_EQ(shown, kUnreadBlock);
        } else {
            ASSERT_TRUE(fetches[block].result) << block;
            EXPECT_EQ(shown, fieldsOf(&fetches[block].bytes[protocol::kMemoryBlockOffset]))
                << "block " << block;
        }
    }
}

TEST_F(MemoryDumpTest, TwoDumpsEachShowOnlyTheirOwnBlocks) {
    const sim::DeviceId id = addAdaptorWithMemory(sim::kelvoIdentity());
    bus.adaptor(id).memory.fill(0x11);
    loadWindow();
    hid.clearLog();
    createdWindow->Command1_Click();

    bus.adaptor(id).memory.fill(0x22);
    hid.failCall(hid.callCount() + 1);  // block 0 of the second dump
    createdWindow->Command1_Click();

    EXPECT_EQ(callsOf(support::CallKind::SetFeature), 2u);
    EXPECT_EQ(callsOf(support::CallKind::GetFeature), 16u);
    ASSERT_EQ(toolkit.inputBoxes.size(), 2u);
    const std::string& first = toolkit.inputBoxes[0].defaultText;
    const std::string& second = toolkit.inputBoxes[1].defaultText;
    EXPECT_EQ(first.find(" 22"), std::string::npos);
    EXPECT_EQ(first.find(" ??"), std::string::npos);
    // The failed block must not show what the first dump left in the reply buffer.
    EXPECT_EQ(second.find(" 11"), std::string::npos);
    EXPECT_EQ(second.substr(7, kBlockTextLength), kUnreadBlock);
    EXPECT_EQ(second.substr(7 + kBlockTextLength, kFieldLength), " 22");
}

TEST_F(MemoryDumpTest, DialogNamesTheConfiguredAddressAndItsAnswerIsIgnored) {
    addAdaptorWithMemory(sim::kelvoIdentity());
    WindowOptions options = simulatedOptions();
    options.supportAddress = "dumps@calibration.test";
    createWindow(options).Form_Load();
    toolkit.inputBoxAnswer = "edited text";
    hid.clearLog();
    createdWindow->Command1_Click();

    ASSERT_EQ(toolkit.inputBoxes.size(), 1u);
    EXPECT_EQ(toolkit.inputBoxes[0].title, "Contents of shifter EEPROM memory");
    EXPECT_EQ(toolkit.inputBoxes[0].prompt,
              "This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to "
              "dumps@calibration.test for analysis. Thank you!");
    // One request and eight fetches; nothing follows the dialog.
    EXPECT_EQ(hid.log().size(), 1u + protocol::kMemoryBlockCount);
    EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(MemoryDumpTest, WithoutAConfiguredAddressTheDialogNamesTheAdaptorsSupport) {
    addAdaptorWithMemory(sim::kelvoIdentity());
    WindowOptions options = simulatedOptions();
    options.supportAddress.clear();
    createWindow(options).Form_Load();
    createdWindow->Command1_Click();
    ASSERT_EQ(toolkit.inputBoxes.size(), 1u);
    EXPECT_EQ(toolkit.inputBoxes[0].prompt,
              "This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to "
              "your adaptor's support for analysis. Thank you!");
}

TEST_F(MemoryDumpTest, RequestKeepsTheBytesThePreviousCommandLeft) {
    addAdaptorWithMemory(sim::kelvoIdentity());
    loadWindow();
    // As a threshold write leaves them: address 3, value 0x9C.
    createdWindow->session.featureBuffer[2] = 0x03;
    createdWindow->session.featureBuffer[3] = 0x9C;
    hid.clearLog();
    createdWindow->Command1_Click();

    const std::vector<std::vector<std::uint8_t>> sent = featureReportsSent();
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].size(), 65u);
    EXPECT_EQ(sent[0][0], 0x00);
    EXPECT_EQ(sent[0][1], 0xD0);
    EXPECT_EQ(sent[0][2], 0x03);
    EXPECT_EQ(sent[0][3], 0x9C);
}

TEST_F(MemoryDumpTest, WithoutConnectionEveryByteIsUnread) {
    loadWindow();
    ASSERT_FALSE(createdWindow->session.isConnected);
    createdWindow->Command1_Click();
    const std::string& text = toolkit.inputBoxes.back().defaultText;
    EXPECT_EQ(text.size(), 384u);
    std::string unread;
    for (std::size_t block = 0; block < protocol::kMemoryBlockCount; ++block) {
        unread += kUnreadBlock;
    }
    EXPECT_EQ(text, unread);
    EXPECT_TRUE(featureReportsSent().empty());
}

// Feature reports too short for a block: nothing is asked or fetched from the adaptor.
TEST_F(MemoryDumpTest, ShortFeatureReportsCarryNoBlock) {
    sim::AdaptorIdentity identity = sim::kelvoIdentity();
    identity.featureReportByteLength = 17;
    addAdaptorWithMemory(identity);
    loadWindow();
    ASSERT_TRUE(createdWindow->session.isConnected);
    hid.clearLog();
    createdWindow->Command1_Click();

    EXPECT_EQ(callsOf(support::CallKind::SetFeature), 0u);
    EXPECT_EQ(callsOf(support::CallKind::GetFeature), 0u);
    const std::string& text = toolkit.inputBoxes.back().defaultText;
    EXPECT_EQ(text.size(), 391u);
    EXPECT_EQ(text.find_first_not_of(" ?", 7), std::string::npos);
}

}  // namespace

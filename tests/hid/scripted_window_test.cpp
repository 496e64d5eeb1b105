// The window on the real backend, against devices that answer as a hostile or broken
// system may: short replies, a node taken over, odd descriptors, odd strings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hid/hidapi/hidapi_backend.h"
#include "support/recording_toolkit.h"
#include "support/scripted_hidraw.h"
#include "window/frm_main.h"
#include "window/window_texts.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 6> kStored{40, 200, 60, 190, 70, 180};

// A system, hidapi on it, and a window for real adaptors.
struct Rig {
    Rig() : adaptor(system.addAdaptor()) { adaptor.adaptor->settings = kStored; }

    frmMain& load() {
        WindowOptions options;
        options.supportAddress = "support@example.invalid";
        window = std::make_unique<frmMain>(backend, toolkit, options);
        window->Form_Load();
        return *window;
    }

    // The commands the device got, by their first two bytes.
    std::vector<Bytes> commandsTo(const standin::ScriptedNode& node) const {
        std::vector<Bytes> commands;
        for (const Bytes& report : node.featureReportsReceived) {
            commands.push_back(Bytes(report.begin(), report.begin() + 4));
        }
        return commands;
    }

    standin::ScriptedSystem system;
    standin::Installation installation{system};
    hid::HidapiBackend backend;
    RecordingToolkit toolkit;
    standin::ScriptedNode& adaptor;
    std::unique_ptr<frmMain> window;
};

// Calibration on, then the settings request (which keeps the byte the command before it
// left).
const std::vector<Bytes> kSettingsRead = {{0, 0xDB, 1, 0}, {0, 0xF0, 1, 0}};

TEST(ScriptedWindow, ShortSettingsRepliesAreNeverWrittenBack) {
    for (const int length : {1, 5, 7}) {
        Rig rig;
        rig.adaptor.featureReplyLength = length;
        frmMain& window = rig.load();
        ASSERT_TRUE(window.session.isConnected);
        EXPECT_FALSE(window.settingsReadFromAdaptor) << length;
        window.Unload();

        std::vector<Bytes> expected = kSettingsRead;
        expected.push_back({0, 0xDB, 0, 0});
        EXPECT_EQ(rig.commandsTo(rig.adaptor), expected) << length;
        EXPECT_EQ(rig.adaptor.adaptor->settings, kStored) << length;
        EXPECT_EQ(rig.installation.devicesStillOpen(), 0U);
    }
}

TEST(ScriptedWindow, AWholeSettingsReplyIsWrittenBackAsItCame) {
    Rig rig;
    rig.adaptor.featureReplyLength = 8;
    rig.load();
    rig.window->Unload();
    EXPECT_EQ(rig.commandsTo(rig.adaptor).size(), 2U + 1U + 6U);
    EXPECT_EQ(rig.commandsTo(rig.adaptor).back(), (Bytes{0, 0xEE, 4, 70}));
    EXPECT_EQ(rig.adaptor.adaptor->settings, kStored);
}

TEST(ScriptedWindow, AShortMemoryBlockShowsUnreadFieldsForWhatItDidNotCarry) {
    Rig rig;
    rig.adaptor.adaptor->settingsInMemory = false;
    for (std::size_t i = 0; i < rig.adaptor.adaptor->memory.size(); ++i) {
        rig.adaptor.adaptor->memory[i] = static_cast<std::uint8_t>(i);
    }
    frmMain& window = rig.load();
    rig.adaptor.featureReplyLength = 12;  // report ID, one byte, then ten of sixteen
    window.Command1_Click();
    ASSERT_EQ(rig.toolkit.inputBoxes.size(), 1U);
    const std::string& text = rig.toolkit.inputBoxes[0].defaultText;
    EXPECT_EQ(text.substr(0, 7 + 16 * 3),
              "Kelvo:  00 01 02 03 04 05 06 07 08 09 ?? ?? ?? ?? ?? ??");
    EXPECT_EQ(text.substr(7 + 16 * 3 * 7, 16 * 3),
              " 70 71 72 73 74 75 76 77 78 79 ?? ?? ?? ?? ?? ??");
}

TEST(ScriptedWindow, AnotherDeviceOnTheAdaptorsNodeReceivesNothing) {
    Rig rig;
    const standin::ScriptedNode* key = nullptr;
    rig.system.beforeOpen = [&](const std::string&) {
        if (key == nullptr) {
            key = &rig.system.takeOverNode(rig.adaptor, {0x1050, 0x0407, 0x0100});
        }
    };
    frmMain& window = rig.load();
    EXPECT_FALSE(window.session.isConnected);
    window.Unload();
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->featureReportsReceived.empty());
    EXPECT_TRUE(rig.adaptor.featureReportsReceived.empty());
    EXPECT_EQ(rig.installation.devicesStillOpen(), 0U);
    EXPECT_TRUE(rig.installation.misuse().empty());
}

TEST(ScriptedWindow, ReservedDescriptorItemsStillConnectAtTheFeatureLength) {
    Rig rig;
    rig.adaptor.descriptor = standin::vendorDescriptor(65, {0x0C, 0xD0, 0xF1, 0x02});
    frmMain& window = rig.load();
    ASSERT_TRUE(window.session.isConnected);
    EXPECT_EQ(window.session.caps.FeatureReportByteLength, 65);
    EXPECT_TRUE(window.settingsReadFromAdaptor);
    EXPECT_FALSE(window.lblStatus.Visible);
}

TEST(ScriptedWindow, AnUnreadableDescriptorRefusesTheAdaptorAndSaysToReplug) {
    Rig rig;
    rig.adaptor.descriptor = {0x06, 0x00, 0xFF, 0xA1};  // cut short
    frmMain& window = rig.load();
    EXPECT_FALSE(window.session.isConnected);
    EXPECT_EQ(window.status.text(), window::kAdaptorUnreadableStatus);
    window.Unload();
    EXPECT_TRUE(rig.adaptor.featureReportsReceived.empty());
    EXPECT_EQ(rig.installation.devicesStillOpen(), 0U);
}

TEST(ScriptedWindow, IdentityStringsShowTheirLatin1CharactersAndStayBounded) {
    Rig rig;
    rig.adaptor.manufacturer = L"Caf\u00E9 M\u00FCller";
    rig.adaptor.product = std::wstring(300, L'x');
    rig.adaptor.serialNumber = {static_cast<wchar_t>(0xD800), L'A', static_cast<wchar_t>(0xDC00)};
    frmMain& window = rig.load();
    EXPECT_EQ(window.lblManuf.Caption, " Caf\u00E9 M\u00FCller");
    EXPECT_EQ(window.lblProduct.Caption, " " + std::string(50, 'x'));
    // Each lone surrogate became U+FFFD, whose low byte is the Latin-1 y-acute.
    EXPECT_EQ(window.lblSerialNumber.Caption, " \u00FDA\u00FD");
}

TEST(ScriptedWindow, ALoaderThatAnswersTheSettingsRequestGetsNoSettingsAtTheClose) {
    Rig rig;
    standin::ScriptedNode& loader = rig.system.addAdaptor(sim::loaderIdentity());
    loader.adaptor.emplace(sim::kelvoIdentity());  // answers like an adaptor would
    rig.adaptor.present = false;
    frmMain& window = rig.load();
    ASSERT_TRUE(window.session.isConnected);
    ASSERT_TRUE(window.settingsReadFromAdaptor);
    window.Unload();
    std::vector<Bytes> expected = kSettingsRead;
    expected.push_back({0, 0xDB, 0, 0});
    EXPECT_EQ(rig.commandsTo(loader), expected);
}

}  // namespace

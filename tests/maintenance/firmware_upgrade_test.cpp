// "Upgrade Firmware" on the simulated bus.
#include <algorithm>
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace {

constexpr std::size_t kImageSize = 8080;
constexpr std::size_t kChunks = kImageSize / protocol::kFirmwareChunkPayload;  // 202
constexpr std::string_view kDigest = "0123abcd4567ef";

class FirmwareUpgradeTest : public WindowTest {
  protected:
    FirmwareUpgradeTest() : imageBytes(kImageSize) {
        for (std::size_t i = 0; i < imageBytes.size(); ++i) {
            imageBytes[i] = static_cast<std::uint8_t>(i * 131 + 7);
        }
    }

    maintenance::FirmwareImage image(bool isTestImage = true) const {
        return maintenance::FirmwareImage{imageBytes, isTestImage, kDigest};
    }
    WindowOptions optionsWith(maintenance::FirmwareImage firmware) const {
        WindowOptions options = simulatedOptions();
        options.firmware = firmware;
        return options;
    }

    // Connects a window to a loader with these options; the log then starts empty.
    void connectLoader(WindowOptions options,
                       sim::AdaptorIdentity identity = sim::loaderIdentity()) {
        loader = bus.addAdaptor(std::move(identity));
        createdWindow = std::make_unique<frmMain>(hid, toolkit, std::move(options));
        createdWindow->Form_Load();
        ASSERT_TRUE(createdWindow->session.isConnected);
        ASSERT_TRUE(createdWindow->UpgradeFW.Visible);
        // The connection's own commands are not image data.
        EXPECT_EQ(bus.adaptor(loader).firmwareChunksReceived, 0U);
        hid.clearLog();
    }
    void connectLoader() { connectLoader(optionsWith(image())); }

    // Every feature report the window tried to send since the log was cleared.
    std::vector<support::CallRecord> sendAttempts() const {
        std::vector<support::CallRecord> sends;
        std::copy_if(hid.log().begin(), hid.log().end(), std::back_inserter(sends),
                     [](const support::CallRecord& call) {
                         return call.kind == support::CallKind::SetFeature;
                     });
        return sends;
    }

    // The chunk carrying image bytes `at`..`at`+39 behind a zero report ID.
    std::vector<std::uint8_t> chunkAt(std::size_t at, std::size_t length) const {
        std::vector<std::uint8_t> chunk(length, 0);
        std::copy_n(imageBytes.begin() + static_cast<std::ptrdiff_t>(at),
                    protocol::kFirmwareChunkPayload, chunk.begin() + 1);
        return chunk;
    }

    // A refused upgrade: nothing sent, one message, and polling goes on.
    void expectRefused(const std::string& reason) {
        EXPECT_TRUE(sendAttempts().empty());
        ASSERT_EQ(toolkit.messages.size(), 1u);
        const std::string& text = toolkit.messages[0].text;
        EXPECT_NE(text.find(reason), std::string::npos) << text;
        EXPECT_EQ(text.back(), '.');
        EXPECT_EQ(text.find(". "), std::string::npos) << "one sentence: " << text;
        EXPECT_TRUE(createdWindow->Timer.Enabled);
        EXPECT_FALSE(createdWindow->isUnloaded());
        EXPECT_EQ(toolkit.unloadCount, 0);
        EXPECT_TRUE(createdWindow->UpgradeFW.Visible);
        EXPECT_TRUE(createdWindow->session.isConnected);
    }

    std::vector<std::uint8_t> imageBytes;
    sim::DeviceId loader = 0;
};

TEST_F(FirmwareUpgradeTest, SendsEveryChunkThenTellsTheUserAndExits) {
    connectLoader();
    std::vector<std::string> progress;
    toolkit.onDoEvents = [&] { progress.push_back(createdWindow->status.text()); };
    createdWindow->UpgradeFW_Click();
    // The status line counts the chunks as they go out.
    ASSERT_EQ(progress.size(), kChunks);
    EXPECT_EQ(progress.front(), "Sending firmware: 1 of " + std::to_string(kChunks));
    EXPECT_EQ(progress.back(),
              "Sending firmware: " + std::to_string(kChunks) + " of " + std::to_string(kChunks));

    const std::vector<support::CallRecord> sends = sendAttempts();
    ASSERT_EQ(sends.size(), kChunks + 1);  // the close's own report follows
    EXPECT_EQ(sends[0].bytes, chunkAt(0, 65));
    EXPECT_EQ(sends[kChunks - 1].bytes, chunkAt(8040, 65));
    for (std::size_t n = 0; n < kChunks; ++n) {
        ASSERT_TRUE(sends[n].result) << "chunk " << n;
        ASSERT_EQ(sends[n].bytes, chunkAt(n * protocol::kFirmwareChunkPayload, 65))
            << "chunk " << n;
    }
    // The close runs on closed handles: it reaches nothing.
    EXPECT_FALSE(sends[kChunks].result);
    EXPECT_EQ(sends[kChunks].handle, hid::Handle::None);
    EXPECT_EQ(toolkit.doEventsCount, static_cast<int>(kChunks));

    // Asked first, told last, both saying that the program closes.
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_NE(toolkit.questions[0].text.find("Keep the adaptor plugged in"), std::string::npos);
    EXPECT_NE(toolkit.questions[0].text.find("this program closes"), std::string::npos);
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_NE(toolkit.messages[0].text.find("unplug"), std::string::npos);
    EXPECT_NE(toolkit.messages[0].text.find("This program now closes."), std::string::npos);
    EXPECT_EQ(createdWindow->UpgradeFW.Caption, "Done.Exiting...");
    EXPECT_FALSE(createdWindow->UpgradeFW.Enabled);
    EXPECT_FALSE(createdWindow->UpgradeFW.Visible);
    EXPECT_EQ(createdWindow->session.productId, 0);
    EXPECT_EQ(toolkit.sleeps.back(), 100);
    EXPECT_TRUE(createdWindow->isUnloaded());
    EXPECT_EQ(toolkit.unloadCount, 1);
    EXPECT_EQ(bus.openHandleCount(), 0u);
}

TEST_F(FirmwareUpgradeTest, CancelSendsNothingAndPollingGoesOn) {
    connectLoader();
    toolkit.confirmAnswer = false;
    createdWindow->UpgradeFW_Click();
    EXPECT_EQ(toolkit.questions.size(), 1u);
    EXPECT_TRUE(sendAttempts().empty());
    EXPECT_TRUE(toolkit.messages.empty());
    EXPECT_TRUE(createdWindow->Timer.Enabled);
    EXPECT_TRUE(createdWindow->UpgradeFW.Visible);
    EXPECT_FALSE(createdWindow->isUnloaded());
    EXPECT_EQ(bus.adaptor(loader).firmwareChunksReceived, 0U);
}

TEST_F(FirmwareUpgradeTest, AdaptorRestartsWithTheImageAndIsFoundAgain) {
    connectLoader();
    createdWindow->UpgradeFW_Click();

    // The adaptor's identity changes once the whole image arrived.
    EXPECT_EQ(bus.adaptor(loader).firmwareReceived, imageBytes);
    ASSERT_TRUE(createdWindow->FindTheHid());
    EXPECT_EQ(createdWindow->session.attributes.ProductID, protocol::kKelvo);
}

TEST_F(FirmwareUpgradeTest, MinimalFeatureLengthCarriesJustTheChunk) {
    sim::AdaptorIdentity identity = sim::loaderIdentity();
    identity.featureReportByteLength = 41;
    connectLoader(optionsWith(image()), identity);
    createdWindow->UpgradeFW_Click();

    const std::vector<support::CallRecord> sends = sendAttempts();
    ASSERT_GE(sends.size(), kChunks);
    EXPECT_EQ(sends[kChunks - 1].bytes, chunkAt(8040, 41));
    EXPECT_TRUE(std::all_of(sends.begin(), sends.begin() + kChunks,
                            [](const support::CallRecord& call) { return call.result; }));
}

TEST_F(FirmwareUpgradeTest, FailedChunkIsCountedAndTheRestStillGoOut) {
    connectLoader();
    hid.failCall(hid.callCount() + 100);  // chunk 100
    createdWindow->UpgradeFW_Click();

    const std::vector<support::CallRecord> sends = sendAttempts();
    ASSERT_GE(sends.size(), kChunks);
    EXPECT_FALSE(sends[100].result);
    // Not retried: the next attempt carries the next block.
    EXPECT_EQ(sends[101].bytes, chunkAt(101 * protocol::kFirmwareChunkPayload, 65));
    EXPECT_TRUE(sends[kChunks - 1].result);
    EXPECT_EQ(sends[kChunks - 1].bytes, chunkAt(8040, 65));

    ASSERT_EQ(toolkit.messages.size(), 1u);
    const std::string& text = toolkit.messages[0].text;
    EXPECT_NE(text.find("1 of the 202"), std::string::npos) << text;
    EXPECT_NE(text.find("still waiting"), std::string::npos) << text;
    EXPECT_TRUE(createdWindow->isUnloaded());
    // The loader is still a loader, waiting for a complete image.
    ASSERT_TRUE(createdWindow->FindTheHid());
    EXPECT_EQ(createdWindow->session.attributes.ProductID, protocol::kLoader);
}

TEST_F(FirmwareUpgradeTest, EveryChunkFailingIsReportedWithTheFullCount) {
    connectLoader();
    hid.failCalls(support::CallKind::SetFeature);
    createdWindow->UpgradeFW_Click();

    EXPECT_GE(sendAttempts().size(), kChunks);
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_NE(toolkit.messages[0].text.find("202 of the 202"), std::string::npos);
    EXPECT_TRUE(createdWindow->isUnloaded());
}

TEST_F(FirmwareUpgradeTest, NotConnectedSendsNothingAndLeavesTheTimerOff) {
    createWindow(optionsWith(image())).Form_Load();
    ASSERT_TRUE(createdWindow->Timer.Enabled);
    hid.clearLog();
    createdWindow->UpgradeFW_Click();

    EXPECT_FALSE(createdWindow->Timer.Enabled);
    EXPECT_TRUE(hid.log().empty());
    EXPECT_TRUE(toolkit.messages.empty());
    EXPECT_FALSE(createdWindow->isUnloaded());
}

TEST_F(FirmwareUpgradeTest, ClickDuringTheTransferIsIgnored) {
    connectLoader();
    bool timerRanDuringTransfer = false;
    toolkit.onDoEvents = [&] {
        timerRanDuringTransfer |= createdWindow->Timer.Enabled;
        if (toolkit.doEventsCount == 50) {
            createdWindow->UpgradeFW_Click();
        }
    };
    createdWindow->UpgradeFW_Click();

    EXPECT_FALSE(timerRanDuringTransfer);
    EXPECT_EQ(toolkit.doEventsCount, static_cast<int>(kChunks));
    EXPECT_EQ(sendAttempts().size(), kChunks + 1);
    EXPECT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.sleeps, std::vector<int>{100});
    EXPECT_EQ(toolkit.unloadCount, 1);
}

TEST_F(FirmwareUpgradeTest, CloseDuringTheTransferWaitsForItsEnd) {
    connectLoader();
    bool closeAccepted = false;
    bool unloadedDuringTransfer = false;
    toolkit.onDoEvents = [&] {
        if (toolkit.doEventsCount == 10) {
            closeAccepted = createdWindow->QueryUnload();
        }
        unloadedDuringTransfer |= createdWindow->isUnloaded();
    };
    createdWindow->UpgradeFW_Click();

    EXPECT_FALSE(closeAccepted);
    EXPECT_FALSE(unloadedDuringTransfer);
    EXPECT_EQ(sendAttempts().size(), kChunks + 1);
    EXPECT_EQ(bus.adaptor(loader).firmwareReceived, imageBytes);
    EXPECT_EQ(toolkit.unloadCount, 1);
}

// --- refusals --------------------------------------------------------------------

TEST_F(FirmwareUpgradeTest, RefusesFeatureReportsTooShortForAChunk) {
    sim::AdaptorIdentity identity = sim::loaderIdentity();
    identity.featureReportByteLength = 40;
    connectLoader(optionsWith(image()), identity);
    createdWindow->UpgradeFW_Click();
    expectRefused("feature reports are 40 bytes");
}

TEST_F(FirmwareUpgradeTest, RefusesFeatureReportsLongerThanTheBuffers) {
    connectLoader();
    createdWindow->session.caps.FeatureReportByteLength = 258;
    createdWindow->UpgradeFW_Click();
    expectRefused("feature reports are 258 bytes");
}

TEST_F(FirmwareUpgradeTest, RefusesImageNotMadeOfWholeChunks) {
    imageBytes.push_back(0x55);
    connectLoader();
    createdWindow->UpgradeFW_Click();
    expectRefused("8081 bytes long, not a whole number of 40-byte blocks");
}

TEST_F(FirmwareUpgradeTest, RefusesEmptyImage) {
    imageBytes.clear();
    connectLoader();
    createdWindow->UpgradeFW_Click();
    expectRefused("0 bytes long");
}

TEST_F(FirmwareUpgradeTest, RefusesTestImageForARealAdaptor) {
    WindowOptions options = optionsWith(image(true));
    options.adaptorIsSimulated = false;
    connectLoader(options);
    createdWindow->UpgradeFW_Click();
    expectRefused("no adaptor firmware");
}

TEST_F(FirmwareUpgradeTest, RealAdaptorGetsAnImageThatIsNotTheTestImage) {
    WindowOptions options = optionsWith(image(false));
    options.adaptorIsSimulated = false;
    connectLoader(options);
    createdWindow->UpgradeFW_Click();
    EXPECT_EQ(sendAttempts().size(), kChunks + 1);
    EXPECT_EQ(bus.adaptor(loader).firmwareReceived, imageBytes);
    EXPECT_TRUE(createdWindow->isUnloaded());
}

// The status line says what the loader waits for and how to give it; the question names
// the image, and its button what it does.
TEST_F(FirmwareUpgradeTest, TheWindowSaysWhatTheLoaderWaitsForAndWhatGoesOut) {
    const std::string test = "the program's test image (8080 bytes), not adaptor firmware";
    const std::string vendor = "the built-in firmware (8080 bytes, SHA-256 0123abcd)";
    const struct {
        bool testImage;
        bool simulated;
        std::string status;
        std::string sent;  // named in the question; empty: nothing may be sent
    } cases[] = {
        {true, true, "press Upgrade Firmware to send it " + test + ".", test},
        {true, false,
         "waits for its firmware, but this build carries none to send: only a test image.", ""},
        {false, false, "press Upgrade Firmware to send it " + vendor + ".", vendor},
    };
    for (const auto& [testImage, simulated, status, sent] : cases) {
        SCOPED_TRACE(status);
        toolkit = {};
        toolkit.confirmAnswer = false;
        WindowOptions options = optionsWith(image(testImage));
        options.adaptorIsSimulated = simulated;
        connectLoader(options);
        EXPECT_TRUE(createdWindow->status.text().ends_with(status)) << createdWindow->status.text();
        createdWindow->UpgradeFW_Click();
        ASSERT_EQ(toolkit.questions.size(), sent.empty() ? 0U : 1U);
        if (!sent.empty()) {
            EXPECT_NE(toolkit.questions[0].text.find("sends it " + sent + ", which"),
                      std::string::npos);
            EXPECT_EQ(toolkit.acceptCaptions[0], "Send firmware");
        }
        createdWindow.reset();
        bus.unplug(loader);
    }
}

}  // namespace

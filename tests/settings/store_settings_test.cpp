#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/commands.h"
#include "monitor/plot_mapping.h"
#include "support/window_fixture.h"
#include "window/window_texts.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class StoreSettings : public WindowTest {
  protected:
    frmMain& connect(std::array<std::uint8_t, 6> settings) {
        adaptor = bus.addAdaptor();
        bus.adaptor(adaptor).settings = settings;
        return loadWindow();
    }
    // Bytes 1..3 of the feature reports sent since the log was cleared.
    std::vector<Bytes> commandsSent() const {
        std::vector<Bytes> commands;
        for (const Bytes& report : featureReportsSent()) {
            commands.push_back(Bytes(report.begin() + 1, report.begin() + 4));
        }
        return commands;
    }
    sim::DeviceId adaptor = 0;
};

TEST_F(StoreSettings, StoresTheFourHPatternThresholdsInTheirOrder) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent(),
              (std::vector<Bytes>{{0xEE, 3, 190}, {0xEE, 2, 60}, {0xEE, 0, 40}, {0xEE, 1, 200}}));
    EXPECT_EQ(window.status.text(), "Stored in the adaptor: H1 190, H2 60, V1 40, V2 200");
    // Each click sends them again.
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent().size(), 4U);
}

TEST_F(StoreSettings, StoresTheTwoSequentialThresholdsInSequentialMode) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.queueLever(adaptor, {10, 10, true});
    window.Timer_Timer();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent(), (std::vector<Bytes>{{0xEE, 5, 180}, {0xEE, 4, 70}}));
    EXPECT_EQ(window.status.text(), "Stored in the adaptor: SeqH1 180, SeqH2 70");
}

TEST_F(StoreSettings, SaysHowManyValuesTheAdaptorRefusedAndTheNoticePasses) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    hid.clearLog();
    hid.failCall(hid.callCount() + 1);  // the second of the four
    window.btnUpdate_Click();
    EXPECT_EQ(hid.log().size(), 4U);  // no retry, no extra report
    EXPECT_EQ(commandsSent().size(), 3U);
    EXPECT_EQ(window.status.text(), "The adaptor did not accept 1 of 4 values; try again");

    // The notice passes after its few seconds; the simulated-adaptor note stays.
    for (int elapsed = 0; elapsed <= window::StatusLine::kNoticeMilliseconds; elapsed += 10) {
        bus.queueLever(adaptor, {10, 10, false});
        window.Timer_Timer();
    }
    EXPECT_EQ(window.status.text(), window::kSimulatedStatus);
}

TEST_F(StoreSettings, StoresWhatWasTypedAndAcceptedButNotARefusedText) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    window.Text9.Text = "50";
    window.Text10.Text = "300";  // refused: the last accepted value stays
    bus.queueLever(adaptor, {10, 10, false});
    window.Timer_Timer();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_EQ(commandsSent(),
              (std::vector<Bytes>{{0xEE, 3, 190}, {0xEE, 2, 60}, {0xEE, 0, 50}, {0xEE, 1, 200}}));
    EXPECT_EQ(window.Text10.Text, "300");
    EXPECT_EQ(bus.adaptor(adaptor).settings[0], 50);
}

// Texts typed into V1 (read as 40), a tick after each keystroke; then "Update settings"
// and the close, or with no status the close right after the last keystroke.
struct Typing {
    std::vector<std::string> texts;
    int stored;  // V1 as both store it
    const char* status;
};

class TypedIntoV1 : public StoreSettings, public ::testing::WithParamInterface<Typing> {};

TEST_P(TypedIntoV1, StoresNoValueTypedOnTheWayToARefusedText) {
    const Typing& typing = GetParam();
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    for (const std::string& text : typing.texts) {
        bus.queueLever(adaptor, {10, 10, false});
        window.Timer_Timer();
        window.Text9.Text = text;
    }
    const Bytes storeV1{0xEE, protocol::kAddressV1, static_cast<std::uint8_t>(typing.stored)};
    if (typing.status != nullptr) {
        bus.queueLever(adaptor, {10, 10, false});
        window.Timer_Timer();
        hid.clearLog();
        window.btnUpdate_Click();
        ASSERT_EQ(commandsSent().size(), 4U);
        EXPECT_EQ(commandsSent()[2], storeV1);
        EXPECT_EQ(window.status.text(), typing.status);
        EXPECT_EQ(window.lineV1.X1,
                  static_cast<float>(monitor::plotX(typing.stored, window.Graph.ScaleWidth())));
    }
    hid.clearLog();
    window.Unload();
    ASSERT_EQ(commandsSent().size(), 7U);  // calibration mode off, then the six
    EXPECT_EQ(commandsSent()[3], storeV1);
}

INSTANTIATE_TEST_SUITE_P(
    StoreSettings, TypedIntoV1,
    ::testing::Values(
        Typing{{"3", "30", "300"},
               40,
               "V1 shows 300, which is not a threshold (0 to 254): V1 stays 40"},
        Typing{{"2", "20", "200"}, 200, "Stored in the adaptor: H1 190, H2 60, V1 200, V2 200"},
        Typing{{"33", "abc"}, 33, "V1 shows abc, which is not a threshold (0 to 254): V1 stays 33"},
        // Back to the newest value that the refused text does not extend.
        Typing{{"70", "abc", "7", "75", "755"},
               70,
               "V1 shows 755, which is not a threshold (0 to 254): V1 stays 70"},
        Typing{{"2", "25", "255"}, 40, nullptr}));

TEST_F(StoreSettings, LeavesTheBytesFromFourOnAsTheyWere) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    window.session.featureBuffer[4] = 0x5A;
    hid.clearLog();
    window.btnUpdate_Click();
    for (const Bytes& report : featureReportsSent()) {
        EXPECT_EQ(report[4], 0x5A);
    }
}

TEST_F(StoreSettings, DoesNothingWhenDisconnected) {
    frmMain& window = connect({40, 200, 60, 190, 70, 180});
    bus.unplug(adaptor);
    window.Timer_Timer();
    ASSERT_FALSE(window.session.isConnected);
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_TRUE(hid.log().empty());
}

TEST_F(StoreSettings, RefusesToStoreThresholdsThatWereNeverReadAndSaysSo) {
    adaptor = bus.addAdaptor();
    hid.failCalls(support::CallKind::GetFeature);
    frmMain& window = loadWindow();
    hid.clearLog();
    window.btnUpdate_Click();
    EXPECT_TRUE(featureReportsSent().empty());
    ASSERT_EQ(toolkit.messages.size(), 1U);
}

}  // namespace

// Every path that brings a value in stores it only if it is 0..254; a 255 reaches the
// adaptor only where the adaptor itself holds 255. The adaptor's V1 is `held`; V1 is
// given `given` by `path`, then Store all six and the close run (the commands send what
// they send). `sent` is every value that went to V1's address.
TEST_F(StoreSettings, EveryPathStoresOnlyAThresholdOrTheAdaptorsOwn255) {
    enum class Path { Typed, Restore, Proposal, Write, WriteFile, CloseOnly };
    struct Row {
        Path path;
        int given;
        std::uint8_t held;
        std::vector<std::uint8_t> sent;
        const char* said;  // the start of the status line or the command's error
    };
    const std::vector<Row> rows{
        {Path::Typed, 254, 120, {254, 254}, "Stored all six"},
        {Path::Typed, 255, 120, {120, 120}, "Stored all six"},
        {Path::Restore, 254, 120, {254, 254}, "Restored a file"},
        {Path::Restore,
         255,
         120,
         {120, 120},
         "Nothing was restored: V1 is 255, not a threshold "
         "(0 to 254)"},
        {Path::Restore, 255, 255, {255, 255}, "Restored a file"},
        {Path::Proposal, 255, 120, {120, 120}, "Stored all six"},
        {Path::Write, 254, 120, {254}, ""},
        {Path::Write, 255, 120, {}, "Nothing was sent: V1 is 255, not a threshold (0 to 254).\n"},
        {Path::WriteFile,
         255,
         255,
         {},
         "Nothing was sent: V1 is 255, not a threshold (0 to 254).\n"},
        {Path::CloseOnly, 0, 255, {255}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(row.path) << " " << row.given
                                          << " held " << int{row.held});
        adaptor = bus.addAdaptor();
        bus.adaptor(adaptor).settings = {row.held, 200, 60, 190, 70, 180};
        const auto given = static_cast<std::uint8_t>(row.given);
        std::string said;
        if (row.path == Path::Write || row.path == Path::WriteFile) {
            commands::WriteRequest request;
            request.assignments =
                row.path == Path::Write
                    ? commands::parseAssignments("V1=" + std::to_string(row.given))
                    : commands::ParsedAssignments{{{protocol::kAddressV1, given}}, ""};
            hid.clearLog();
            said = commands::writeCommand(hid, request, nullptr).err;
        } else {
            frmMain& window = loadWindow();
            bus.queueLever(adaptor, {10, 10, false});
            window.Timer_Timer();
            hid.clearLog();
            if (row.path == Path::Typed) {
                window.Text9.Text = std::to_string(row.given);
                bus.queueLever(adaptor, {10, 10, false});
                window.Timer_Timer();
            } else if (row.path == Path::Restore) {
                window.RestoreThresholds({given, 200, 60, 190, 70, 180}, "a file");
                said = window.status.text();
            } else if (row.path == Path::Proposal) {
                window.UseProposedValues({{protocol::Threshold::V1, row.given}});
            }
            if (row.path != Path::CloseOnly) {
                window.StoreAllSix();
                said = said.empty() ? window.status.text() : said;
            }
            window.Unload();
        }
        std::vector<std::uint8_t> sent;
        for (const Bytes& command : commandsSent()) {
            if (command[0] == 0xEE && command[1] == protocol::kAddressV1) {
                sent.push_back(command[2]);
            }
        }
        EXPECT_EQ(sent, row.sent);
        EXPECT_TRUE(said.starts_with(row.said)) << said;
        bus.unplug(adaptor);
    }
}

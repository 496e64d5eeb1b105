// The commands against the simulated adaptor: what they print, the exit status, and
// the reports they exchange.
#include "commands/commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/simulated_bus.h"
#include "support/fault_injecting_layer.h"

namespace {

using Report = std::vector<std::uint8_t>;

const Report kCalibrationOn{0, 0xDB, 1, 0};
const Report kCalibrationOff{0, 0xDB, 0, 0};
const Report kSettingsRequest{0, 0xF0, 0, 0, 0, 0, 0, 0};

class Commands : public ::testing::Test {
  protected:
    // The first bytes of every feature report sent, as long as the exchange needs.
    std::vector<Report> reportsSent(std::size_t length = 4) const {
        std::vector<Report> sent;
        for (const support::CallRecord& call : hid.log()) {
            if (call.kind == support::CallKind::SetFeature) {
                const std::size_t kept =
                    call.bytes.size() > 1 && call.bytes[1] == 0xF0 ? 8 : length;
                sent.emplace_back(call.bytes.begin(),
                                  call.bytes.begin() + std::min(kept, call.bytes.size()));
            }
        }
        return sent;
    }
    static commands::WriteRequest request(const char* assignments) {
        commands::WriteRequest write;
        write.assignments = commands::parseAssignments(assignments);
        return write;
    }
    static Report writeSetting(std::uint8_t address, std::uint8_t value) {
        return {0, 0xEE, address, value};
    }

    sim::SimulatedBus bus;
    // What the commands see of the bus: every call logged, faults where a test asks.
    support::FaultInjectingLayer hid{bus};
};

TEST_F(Commands, ListShowsEachAdaptorAndWhetherItOpens) {
    bus.addForeignDevice(0x046D, 0xC52B);
    bus.addAdaptor();
    const sim::DeviceId refused = bus.addAdaptor(sim::miradIdentity());
    bus.device(refused).refuseOpen = true;
    const commands::CommandOutput output = commands::listAdaptorsCommand(hid, nullptr);
    EXPECT_EQ(output.exitCode, commands::kExitOk);
    EXPECT_EQ(output.out,
              "sim:1  Kelvo  version 1.5  serial KV-0001234  access: yes\n"
              "sim:2  Mirad  version 1.2  serial unknown  access: no (the system refused to "
              "open it)\n");
    EXPECT_EQ(bus.openHandleCount(), 0u);
    EXPECT_TRUE(reportsSent().empty());
}

TEST_F(Commands, ARefusedAdaptorIsExplainedByTheDiagnosis) {
    const sim::DeviceId held = bus.addAdaptor();
    bus.device(held).refuseOpen = true;
    diagnosis::Diagnosis access;
    access.finding = diagnosis::Finding::NotTagged;
    access.nodes.push_back({"hidraw0", "sim:0", protocol::kKelvo, "KV-7", true, std::nullopt, false,
                            false, diagnosis::Finding::NotTagged});
    EXPECT_EQ(commands::listAdaptorsCommand(hid, &access).out,
              "sim:0  Kelvo  version 1.5  serial KV-7  access: no (udev has not applied the "
              "rule yet)\n");
    const commands::CommandOutput read = commands::readOutput(commands::readCommand(hid, &access));
    EXPECT_EQ(read.exitCode, commands::kExitNoAdaptor);
    EXPECT_EQ(read.err,
              "No adaptor could be opened. The udev rule is installed but not yet applied to the "
              "adaptor: re-trigger udev as root, or unplug and replug the adaptor.\n"
              "    sudo udevadm control --reload-rules && sudo udevadm trigger "
              "--subsystem-match=hidraw\n");
}

TEST_F(Commands, EveryCommandWithoutAnAdaptorEndsWithStatusFour) {
    bus.addForeignDevice(0x046D, 0xC52B);
    EXPECT_EQ(commands::listAdaptorsCommand(hid, nullptr).exitCode, commands::kExitNoAdaptor);
    EXPECT_EQ(commands::readCommand(hid, nullptr).exitCode, commands::kExitNoAdaptor);
    EXPECT_EQ(commands::dumpCommand(hid, nullptr).exitCode, commands::kExitNoAdaptor);
    const commands::CommandOutput write = commands::writeCommand(hid, request("V1=1"), nullptr);
    EXPECT_EQ(write.exitCode, commands::kExitNoAdaptor);
    EXPECT_EQ(write.err, "No adaptor could be opened.\n");
}

TEST_F(Commands, ReadMakesTheConnectionExchangeAndWritesNothing) {
    const sim::DeviceId adaptor = bus.addAdaptor();
    bus.adaptor(adaptor).settings = {10, 20, 30, 40, 50, 60};
    const commands::ReadResult result = commands::readCommand(hid, nullptr);
    EXPECT_EQ(reportsSent(),
              (std::vector<Report>{kCalibrationOn, kSettingsRequest, kCalibrationOff}));
    EXPECT_FALSE(bus.adaptor(adaptor).calibrationMode);
    const commands::CommandOutput output = commands::readOutput(result);
    EXPECT_EQ(output.exitCode, commands::kExitOk);
    EXPECT_EQ(output.out,
              "Path: sim:0\nProduct: Kelvo (Kelvo shifter adaptor)\nManufacturer: Corvane\n"
              "Version: 1.5\nSerial number: KV-0001234\n"
              "Thresholds: V1=10 V2=20 H1=40 H2=30 SeqH1=60 SeqH2=50\n");
    EXPECT_EQ(bus.openHandleCount(), 0u);
}

TEST_F(Commands, ReadWithoutAWholeReplyFailsAndShowsNoThresholds) {
    bus.addAdaptor();
    hid.failCalls(support::CallKind::GetFeature);
    const commands::CommandOutput output =
        commands::readOutput(commands::readCommand(hid, nullptr));
    EXPECT_EQ(output.exitCode, commands::kExitFailed);
    EXPECT_EQ(output.out.find("Thresholds"), std::string::npos);
    EXPECT_EQ(output.err, "The adaptor did not answer the settings request.\n");
    EXPECT_EQ(reportsSent().back(), kCalibrationOff);

    // A reply of seven bytes lacks the last threshold: no reply either.
    hid.failCalls(support::CallKind::GetFeature, false);
    hid.clearLog();
    commands::readCommand(hid, nullptr);
    std::uint64_t fetch = hid.callCount();
    for (const support::CallRecord& call : hid.log()) {
        fetch = call.kind == support::CallKind::GetFeature ? call.index : fetch;
    }
    hid.shortenReply(hid.callCount() + (fetch - hid.log().front().index), 7);
    EXPECT_EQ(commands::readCommand(hid, nullptr).exitCode, commands::kExitFailed);
}

TEST_F(Commands, TheLoaderIsNeverSentSettingsReports) {
    bus.addAdaptor(sim::loaderIdentity());
    EXPECT_EQ(commands::readCommand(hid, nullptr).exitCode, commands::kExitOk);
    const commands::CommandOutput write = commands::writeCommand(hid, request("V1=1"), nullptr);
    EXPECT_EQ(write.exitCode, commands::kExitFailed);
    EXPECT_TRUE(reportsSent().empty());
}

TEST_F(Commands, WriteReadsFirstThenSendsTheAssignmentsBetweenCalibrationModes) {
    const sim::DeviceId adaptor = bus.addAdaptor();
    const commands::CommandOutput output =
        commands::writeCommand(hid, request("seqh2=60,V1=90"), nullptr);
    EXPECT_EQ(reportsSent(),
              (std::vector<Report>{kCalibrationOn, kSettingsRequest, kCalibrationOff,
                                   kCalibrationOn, writeSetting(protocol::kAddressSeqH2, 60),
                                   writeSetting(protocol::kAddressV1, 90), kCalibrationOff}));
    EXPECT_EQ(bus.adaptor(adaptor).settings,
              (std::array<std::uint8_t, 6>{90, 175, 70, 185, 60, 180}));
    EXPECT_EQ(output.exitCode, commands::kExitOk);
    EXPECT_EQ(output.out,
              "Before: V1=80 V2=175 H1=185 H2=70 SeqH1=180 SeqH2=75\n"
              "Written: V1=90 SeqH2=60\n"
              "After: V1=90 V2=175 H1=185 H2=70 SeqH1=180 SeqH2=60\n");
}

TEST_F(Commands, WriteKeepsTheValuesBeforeAndAfterInTheHistory) {
    struct ListRecorder : history::Recorder {
        history::Recorded record(history::Entry entry) override {
            entries.push_back(entry);
            return {entries.size() != 2, entries.size() == 2 ? "history not saved" : ""};
        }
        std::vector<history::Entry> entries;
    } recorder;
    bus.addAdaptor();
    commands::WriteRequest write = request("H1=190");
    write.history = &recorder;
    const commands::CommandOutput output = commands::writeCommand(hid, write, nullptr);
    ASSERT_EQ(recorder.entries.size(), 2u);
    const history::Identity adaptor{protocol::kKelvo, "Kelvo shifter adaptor", "KV-0001234",
                                    0x0105};
    EXPECT_EQ(recorder.entries[0].adaptor, adaptor);
    EXPECT_EQ(recorder.entries[0].event, history::Event::Read);
    EXPECT_EQ(recorder.entries[0].values, sim::kFactorySettings);
    EXPECT_EQ(recorder.entries[1].event, history::Event::StoredByCommand);
    EXPECT_EQ(recorder.entries[1].values, (history::Thresholds{80, 175, 70, 190, 75, 180}));
    EXPECT_TRUE(recorder.entries[1].accepted);
    // The values are in the adaptor, but the history that should keep them is not.
    EXPECT_EQ(output.err, "history not saved\n");
    EXPECT_EQ(output.exitCode, commands::kExitFailed);
}

TEST_F(Commands, ValuesMadeForAnotherProductAreNotSent) {
    bus.addAdaptor();
    commands::WriteRequest write = request("V1=1");
    write.madeForProduct = protocol::kMirad;
    const commands::CommandOutput output = commands::writeCommand(hid, write, nullptr);
    EXPECT_EQ(output.exitCode, commands::kExitUsage);
    EXPECT_EQ(output.err,
              "Nothing was sent: the values were made for a Mirad adaptor, and this is a Kelvo.\n");
    write.madeForProduct = 0x1234;
    EXPECT_NE(commands::writeCommand(hid, write, nullptr).err.find(" for an unknown adaptor,"),
              std::string::npos);
    EXPECT_TRUE(reportsSent().empty());
}

TEST_F(Commands, WriteWithBadInputSendsNothing) {
    bus.addAdaptor();
    for (const char* bad : {"V1=256", "V1=-1", "V1=8a", "V1=", "X1=5", "V1=5,V1=6", "V1", ""}) {
        SCOPED_TRACE(bad);
        hid.clearLog();
        const commands::CommandOutput output = commands::writeCommand(hid, request(bad), nullptr);
        EXPECT_EQ(output.exitCode, commands::kExitUsage);
        EXPECT_EQ(output.err.rfind("Nothing was sent: ", 0), 0u) << output.err;
        EXPECT_TRUE(hid.log().empty());
    }
}

TEST_F(Commands, WriteReportsARefusedReportInItsStatus) {
    bus.addAdaptor();
    // The call numbers of the seven reports in a clean run; the second write is refused.
    const commands::WriteRequest assignments = request("V1=1,V2=2");
    const auto sendsBefore = [&] {
        sim::SimulatedBus probe;
        support::FaultInjectingLayer probed(probe);
        probe.addAdaptor();
        commands::writeCommand(probed, assignments, nullptr);
        std::vector<std::uint64_t> sets;
        for (const support::CallRecord& call : probed.log()) {
            if (call.kind == support::CallKind::SetFeature) {
                sets.push_back(call.index);
            }
        }
        return sets;
    }();
    ASSERT_EQ(sendsBefore.size(), 7u);
    hid.failCall(sendsBefore[5]);
    const commands::CommandOutput output = commands::writeCommand(hid, assignments, nullptr);
    EXPECT_EQ(output.exitCode, commands::kExitFailed);
    EXPECT_EQ(output.err, "The adaptor refused 1 of 4 reports.\n");
    EXPECT_EQ(output.out.find("After:"), std::string::npos);  // not claimed when refused
}

TEST_F(Commands, DumpShowsTheMemoryAsTheDialogDoes) {
    const sim::DeviceId adaptor = bus.addAdaptor(sim::miradIdentity());
    bus.adaptor(adaptor).settingsInMemory = false;  // every byte the pattern's
    for (std::size_t i = 0; i < protocol::kMemorySize; ++i) {
        bus.adaptor(adaptor).memory[i] = static_cast<std::uint8_t>(i);
    }
    const commands::CommandOutput output = commands::dumpCommand(hid, nullptr);
    EXPECT_EQ(output.exitCode, commands::kExitOk);
    ASSERT_EQ(output.out.size(), 7 + 3 * protocol::kMemorySize + 1);
    EXPECT_EQ(output.out.substr(0, 16), "Mirad:  00 01 02");
    EXPECT_EQ(output.out.substr(output.out.size() - 4), " 7F\n");

    hid.failCalls(support::CallKind::GetFeature);
    const commands::CommandOutput unread = commands::dumpCommand(hid, nullptr);
    EXPECT_EQ(unread.exitCode, commands::kExitFailed);
    EXPECT_NE(unread.out.find(" ?? ??"), std::string::npos);
}

TEST_F(Commands, DumpOfAnAdaptorWithoutMemoryAccessFails) {
    bus.addAdaptor(sim::usbShifterIdentity());
    const commands::CommandOutput output = commands::dumpCommand(hid, nullptr);
    EXPECT_EQ(output.exitCode, commands::kExitFailed);
    EXPECT_TRUE(reportsSent().empty());
}

}  // namespace

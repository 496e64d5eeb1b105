#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "reliability/scripted_session.h"
#include "sim/adaptor_model.h"

namespace {

using reliability::Fault;
using reliability::FaultKind;
using reliability::RunReport;
using reliability::Script;

// Runs of one broken promise: how many, and the first of them.
struct Tally {
    std::size_t runs = 0;
    std::string firstFault;
    std::string firstDetail;
};

struct Sweep {
    std::uint64_t sessionCalls = 0;
    std::size_t runs = 0;
    std::size_t faults = 0;
    std::map<std::string, Tally> broken;
    double seconds = 0;
};

// Whether `fault` means something at a call of this kind: replies can be cut short or
// garbled where there are replies, and a node taken over matters where a node is
// listed or opened (elsewhere it is an unplug, which the sweep tries anyway).
bool applies(FaultKind fault, support::CallKind call) {
    using support::CallKind;
    switch (fault) {
        case FaultKind::ShortReply:
        case FaultKind::GarbledReply:
            return call == CallKind::GetAttributes || call == CallKind::GetCapabilities ||
                   call == CallKind::GetFeature || call == CallKind::ReadInput;
        case FaultKind::NodeTakenBeforeCall:
            return call == CallKind::Enumerate || call == CallKind::Open;
        default:
            return true;
    }
}

// The script once without faults to count its calls, then once for each call index and
// each fault: the call fails; the adaptor is unplugged, comes back as another product
// with other settings, or another device takes its node just before it; and a call that
// answers with data answers short, or with garbage.
Sweep sweep(Script script) {
    const auto start = std::chrono::steady_clock::now();
    Sweep result;
    const RunReport clean = runScript(script);
    result.sessionCalls = clean.calls;
    result.runs = 1;
    for (std::uint64_t call = 0; call < result.sessionCalls; ++call) {
        for (FaultKind kind :
             {FaultKind::FailCall, FaultKind::UnplugBeforeCall, FaultKind::ReplugAsOther,
              FaultKind::NodeTakenBeforeCall, FaultKind::ShortReply, FaultKind::GarbledReply}) {
            if (!applies(kind, clean.callKinds[call])) {
                continue;
            }
            const Fault fault{kind, call};
            const RunReport run = runScript(script, fault);
            ++result.runs;
            ++result.faults;
            std::set<std::string> brokenThisRun;
            for (const reliability::Problem& problem : run.problems) {
                if (!brokenThisRun.insert(problem.promise).second) {
                    continue;
                }
                Tally& tally = result.broken[problem.promise];
                if (tally.runs++ == 0) {
                    tally.firstFault = describe(fault);
                    tally.firstDetail = problem.detail;
                }
            }
        }
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

void expectEveryPromiseKept(const Sweep& result, const char* name) {
    std::cout << name << " sweep: " << result.sessionCalls << " session calls, " << result.runs
              << " runs, " << result.faults
              << " faults (every call, every fault that applies to it), " << result.seconds
              << " s\n";
    ::testing::Test::RecordProperty("session_calls", std::to_string(result.sessionCalls));
    ::testing::Test::RecordProperty("runs", std::to_string(result.runs));
    ::testing::Test::RecordProperty("faults", std::to_string(result.faults));
    for (const auto& [promise, tally] : result.broken) {
        ADD_FAILURE() << "broken in " << tally.runs << " of " << result.faults
                      << " faulted runs: " << promise << "\n  first: " << tally.firstFault << " -> "
                      << tally.firstDetail;
    }
}

std::string problemsOf(const RunReport& run) {
    std::string text;
    for (const reliability::Problem& problem : run.problems) {
        text += problem.promise + ": " + problem.detail + "\n";
    }
    return text;
}

// Without faults each script reaches every step it means to, so the sweep's runs do too.
TEST(ScriptedSessions, CalibrationWithoutFaultsReachesEveryStep) {
    const RunReport run = runScript(Script::Calibration);
    EXPECT_TRUE(run.problems.empty()) << problemsOf(run);
    EXPECT_GT(run.reportsRead, 200U);
    EXPECT_TRUE(run.sawSequentialMode);
    EXPECT_EQ(run.dumpsShown, 1U);
    // Three updates (four, two and four thresholds) and the six of the close.
    EXPECT_EQ(run.settingsWritten, 16U);
    // The typed values the window accepted, the rest as the adaptor held them.
    EXPECT_EQ(run.finalSettings, (std::array<std::uint8_t, 6>{60, 42, 100, 100, 70, 90}));
    EXPECT_EQ(run.firmwareChunksReceived, 0U);
}

TEST(ScriptedSessions, UpgradeWithoutFaultsSendsTheWholeImageAfterTheClick) {
    const RunReport run = runScript(Script::FirmwareUpgrade);
    EXPECT_TRUE(run.problems.empty()) << problemsOf(run);
    EXPECT_TRUE(run.upgradeClicked);
    EXPECT_EQ(run.firmwareChunksReceived, sim::AdaptorModel::kFirmwareChunkCount);
    EXPECT_EQ(run.settingsWritten, 0U);
}

TEST(FaultSweep, CalibrationSessionKeepsItsPromisesWhicheverCallGoesWrong) {
    const Sweep result = sweep(Script::Calibration);
    EXPECT_GT(result.sessionCalls, 500U);
    expectEveryPromiseKept(result, "Calibration");
}

TEST(FaultSweep, UpgradeSessionKeepsItsPromisesWhicheverCallGoesWrong) {
    const Sweep result = sweep(Script::FirmwareUpgrade);
    EXPECT_GT(result.sessionCalls, sim::AdaptorModel::kFirmwareChunkCount);
    expectEveryPromiseKept(result, "Firmware upgrade");
}

}  // namespace

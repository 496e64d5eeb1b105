// The assistant on a simulated adaptor whose gates the factory thresholds misread: the
// scripted lever follows the steps, the proposals are used and stored, and then every
// gate reads right.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "assistant/assistant.h"
#include "assistant/proposal.h"
#include "sim/assistant_lever.h"
#include "support/window_fixture.h"

namespace {

using namespace std::chrono_literals;

constexpr sim::GatePlacement kMisreadGates{40, 165, 215};
constexpr int kNoise = 3;
constexpr auto kTick = 10ms;

class AssistantEndToEnd : public WindowTest {
  protected:
    void SetUp() override {
        adaptor = bus.addAdaptor();
        loadWindow();
        createdWindow->attach(watcher);
        bus.runScript(adaptor, lever.script, 125);
    }
    void TearDown() override { createdWindow->detach(watcher); }
    // Script time, which started with the bus's.
    std::chrono::microseconds scriptTime() const { return bus.now() % lever.script.period(); }
    void tick() {
        bus.advance(kTick);
        createdWindow->Timer_Timer();
    }
    void tickUntil(std::chrono::microseconds scriptAt) {
        while (scriptTime() < scriptAt) {
            tick();
        }
    }
    // The gear caption of every report shown during `step`, once each.
    std::set<std::string> captionsDuring(const sim::StepWindow& step) {
        tickUntil(step.from);
        std::set<std::string> captions;
        while (scriptTime() < step.to) {
            tick();
            captions.insert(createdWindow->Gear.Caption);
        }
        return captions;
    }

    sim::AssistantLever lever = sim::assistantHPatternLever(kMisreadGates, kNoise);
    assistant::Assistant watcher;
    sim::DeviceId adaptor = 0;
};

TEST_F(AssistantEndToEnd, ProposalsFromTheScriptedLeverFixAMisreadingAdaptor) {
    using assistant::Step;
    const auto steps = assistant::stepsOf(assistant::Mode::HPattern);
    assistant::Recording& recording = watcher.recording(assistant::Mode::HPattern);

    // First round: each step records while the lever does what it asks; with the
    // factory thresholds some of 3rd reads as 5th.
    for (std::size_t i = 0; i < lever.steps.size(); ++i) {
        tickUntil(lever.steps[i].from);
        recording.start(steps[i]);
        std::set<std::string> captions;
        while (scriptTime() < lever.steps[i].to) {
            tick();
            captions.insert(createdWindow->Gear.Caption);
        }
        recording.stop();
        EXPECT_GT(recording.reportCount(steps[i]), 100u) << assistant::nameOf(steps[i]);
        if (steps[i] == Step::Third) {
            EXPECT_EQ(captions, (std::set<std::string>{"3", "5"}));
        }
    }

    // Every threshold is proposed inside its gap, at least 8 from either gate as the
    // lever really moves (each gate 10 either side of its line or column, noise 3).
    const auto proposals = assistant::propose(assistant::Mode::HPattern, recording.records());
    const struct {
        assistant::Threshold threshold;
        int gateBelow, gateAbove;
    } gaps[] = {
        {assistant::Threshold::H1, 128 + 3, 230 - 13},
        {assistant::Threshold::H2, 25 + 13, 128 - 3},
        {assistant::Threshold::V1, 40 + 13, 165 - 13},
        {assistant::Threshold::V2, 165 + 13, 215 - 13},
    };
    for (std::size_t i = 0; i < proposals.size(); ++i) {
        const auto& proposal = proposals[i];
        ASSERT_EQ(proposal.threshold, gaps[i].threshold);
        ASSERT_TRUE(proposal.value) << proposal.warning;
        EXPECT_GE(*proposal.value - gaps[i].gateBelow, assistant::kMinimumMargin);
        EXPECT_GE(gaps[i].gateAbove - *proposal.value, assistant::kMinimumMargin);
        EXPECT_GE(std::min(proposal.marginBelow, proposal.marginAbove), assistant::kMinimumMargin);
    }

    // "Use these values" fills the boxes as typing would; "Update settings" stores them.
    ASSERT_TRUE(createdWindow->UseProposedValues(assistant::proposedValues(proposals)));
    EXPECT_EQ(createdWindow->Text7.Text, std::to_string(*proposals[0].value));
    EXPECT_EQ(createdWindow->Text10.Text, std::to_string(*proposals[3].value));
    EXPECT_EQ(createdWindow->thresholdV2, *proposals[3].value);
    EXPECT_NE(createdWindow->status.text().find("Update settings"), std::string::npos);
    hid.clearLog();
    createdWindow->btnUpdate_Click();
    const auto& stored = bus.adaptor(adaptor).settings;
    EXPECT_EQ(stored[protocol::kAddressH1], *proposals[0].value);
    EXPECT_EQ(stored[protocol::kAddressH2], *proposals[1].value);
    EXPECT_EQ(stored[protocol::kAddressV1], *proposals[2].value);
    EXPECT_EQ(stored[protocol::kAddressV2], *proposals[3].value);

    // The next round: neutral and every gate read right wherever the lever is held.
    tickUntil(lever.script.period() - kTick);
    tick();
    EXPECT_EQ(captionsDuring(lever.steps[0]), (std::set<std::string>{"N"}));
    for (int gear = 1; gear <= 6; ++gear) {
        EXPECT_EQ(captionsDuring(lever.steps[static_cast<std::size_t>(gear)]),
                  (std::set<std::string>{std::to_string(gear)}))
            << "gear " << gear;
    }
}

TEST_F(AssistantEndToEnd, TheAssistantSendsNothingToTheAdaptor) {
    hid.clearLog();
    auto& recording = watcher.recording(assistant::Mode::HPattern);
    for (const assistant::Step step : assistant::stepsOf(assistant::Mode::HPattern)) {
        recording.start(step);
        for (int i = 0; i < 50; ++i) {
            tick();
        }
    }
    EXPECT_EQ(callsOf(support::CallKind::SetFeature), 0u);
    EXPECT_EQ(callsOf(support::CallKind::GetFeature), 0u);
    // Without records nothing is proposed, and the boxes keep what they hold.
    const assistant::Assistant fresh;
    const std::string before = createdWindow->Text9.Text;
    EXPECT_FALSE(createdWindow->UseProposedValues(assistant::proposedValues(assistant::propose(
        assistant::Mode::HPattern, fresh.recording(assistant::Mode::HPattern).records()))));
    EXPECT_EQ(createdWindow->Text9.Text, before);
}

}  // namespace

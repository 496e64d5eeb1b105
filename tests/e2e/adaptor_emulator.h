#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "adaptor_log.h"
#include "sim/adaptor_model.h"
#include "sim/lever_script.h"
#include "uhid_device.h"

// The adaptor model on the kernel's HID stack. The kernel's report requests are turned
// into what a USB adaptor would see and handed to sim::AdaptorModel, so the protocol
// logic is the simulated bus's own; the lever script feeds input reports; everything
// the model received or answered is logged.
namespace e2e {

using LineSink = std::function<void(const std::string&)>;

class AdaptorEmulator {
  public:
    using Clock = std::chrono::steady_clock;

    // `log` takes the log lines; `status` the lines that tell the session the device
    // came up ("up 10a0") or went away ("down").
    AdaptorEmulator(UhidDevice& device, const sim::AdaptorIdentity& identity, LineSink log,
                    LineSink status);

    // Creates the device; it reports "up" once the kernel started it.
    bool plug();
    bool unplug();
    bool plugged() const { return device_.created(); }

    // Answers one event of the kernel; false when the device failed.
    bool serve(const UhidRequest& request);

    void holdLever(sim::LeverPosition position);
    void tourLever();
    // Sends the lever's input report if one is due; false when the device failed.
    bool sendDueInput(Clock::time_point now);
    // The wait until the next input report is due, or -1 when none will be.
    int millisecondsUntilInput(Clock::time_point now) const;

    // Logs the stored thresholds and the calibration mode.
    void logFinalState();

  private:
    bool answerSetReport(const UhidRequest& request);
    bool answerGetReport(const UhidRequest& request);
    // The loader has its whole image and the host closed the device: the adaptor
    // restarts as a Kelvo adaptor.
    bool restartUnderNewFirmware();
    bool reportsLever() const;
    void record(LogEntry entry);

    UhidDevice& device_;
    sim::AdaptorModel model_;
    LineSink log_;
    LineSink status_;
    bool started_ = false;
    bool restartWhenClosed_ = false;
    sim::LeverScript lever_ = sim::LeverScript::hPatternTour();
    Clock::time_point leverStart_ = Clock::now();
    Clock::time_point nextInput_ = Clock::now();
};

// The model as the uhid adaptor starts it: the identity with the start contents.
sim::AdaptorModel startModel(const sim::AdaptorIdentity& identity);

}  // namespace e2e

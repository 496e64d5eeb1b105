#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "commands/exit_status.h"
#include "recording/recorded_adaptor.h"
#include "resources/program_version.h"
#include "sim/adaptor_model.h"
#include "sim/demo_adaptor.h"

// The program's command line: what to run on, and what to do besides showing the window.
namespace cli {

inline constexpr const char* kProgramName = resources::kProgramName;
inline constexpr const char* kProgramVersion = resources::kDisplayVersion;
inline constexpr double kDefaultReportRateHz = 125;
inline constexpr double kMaxReportRateHz = 10000;
inline constexpr int kMaxLeverNoise = 20;
// The shake of the assistant's simulated lever when none is asked for.
inline constexpr int kAssistantLeverNoise = 3;

struct Command;

struct LaunchOptions {
    // Set: run on a simulated adaptor of this identity instead of the real bus.
    std::optional<sim::AdaptorIdentity> simulated;
    // Set with `simulated`: the simulated adaptor plays this recording.
    std::shared_ptr<const recording::RecordedDevice> recorded;
    // Not empty: every HID call of the session is recorded into this file.
    QString recordPath;
    bool recordAnonymous = false;  // with a stand-in for the serial number and the paths
    double reportRateHz = kDefaultReportRateHz;
    sim::DemoLever lever;
    // Not empty: save a picture of the window there after a while, then close it.
    QString screenshotPath;
    // Set: open the window at this many times the design's size; the size, place and
    // View choices kept from earlier runs are then neither used nor changed.
    std::optional<double> windowScale;
    // Keep the calibration history of a simulated adaptor too (real ones always have one).
    bool keepHistory = false;
    // Set: run this command (one of commandList()) instead of the window.
    const Command* command = nullptr;
    QString commandValue;      // the assignments, the file to read, or the report's file
    QStringList commandFlags;  // the command's own flags that were given, such as "json"
};

enum class LaunchAction { Run, ShowHelp, ShowVersion, Fail };

struct CommandLine {
    LaunchAction action = LaunchAction::Run;
    LaunchOptions options;
    QString text;  // the help, the version line or the error, for printing
    int exitCode() const { return action == LaunchAction::Fail ? commands::kExitUsage : 0; }
};

// `arguments` as the program got them, its own name first.
CommandLine parseCommandLine(const QStringList& arguments);

// The identity a --simulate value names: kelvo, mirad, usb or loader (a recording's file
// is read by the parser itself).
std::optional<sim::AdaptorIdentity> simulatedIdentityNamed(const QString& name);

}  // namespace cli

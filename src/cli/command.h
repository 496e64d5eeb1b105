#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "commands/commands.h"
#include "diagnosis/diagnosis.h"
#include "diagnosis/system_view.h"
#include "hid/hid_layer.h"
#include "storage/history_recorder.h"

// A command that runs without a window: its option, its help line and its run. Each is
// defined in a file of its own under commands/ and listed in command_list.cpp, from
// which the parser, --help and the runner take them.
namespace cli {

// What a command runs on and with.
struct CommandRun {
    hid::HidLayer& hid;
    QString value;                       // the option's value, when it takes one
    QStringList flags;                   // which of the command's own flags were given
    bool simulated = false;              // on a simulated or recorded adaptor
    const diagnosis::Diagnosis& access;  // this system's access diagnosis
    // The same for the real adaptors only: the diagnosis does not explain a simulated one.
    const diagnosis::Diagnosis* realAccess = nullptr;
    const diagnosis::SystemView& system;
    storage::HistoryRecorder* history = nullptr;  // null where no history is kept
};

// An option that only one command takes, such as --read's --json. The texts are marked
// for translation in the context "CommandLine".
struct CommandFlag {
    const char* name;
    const char* help;
    const char* elsewhere;  // the refusal when it is given without its command
};

struct Command {
    const char* name;            // the option that runs it, without "--"
    const char* help;            // marked for translation in the context "CommandLine"
    const char* valueName = "";  // its value in --help; empty when it takes none
    std::span<const CommandFlag> flags = {};
    // Keeps or shows the calibration history, so it tells when no data folder keeps one.
    bool usesHistory = false;
    commands::CommandOutput (*run)(const CommandRun&) = nullptr;
};

}  // namespace cli

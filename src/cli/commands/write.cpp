// --write NAME=VALUE,...: stores the thresholds given.
#include "cli/command.h"

namespace cli {

extern const Command kWriteCommand;
const Command kWriteCommand{
    .name = "write",
    .help = QT_TRANSLATE_NOOP("CommandLine",
                              "Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, "
                              "SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75."),
    .valueName = "ASSIGNMENTS",
    .usesHistory = true,
    .run = [](const CommandRun& run) {
        commands::WriteRequest request;
        request.assignments = commands::parseAssignments(run.value.toStdString());
        request.history = run.history;
        return commands::writeCommand(run.hid, request, run.realAccess);
    }};

}  // namespace cli

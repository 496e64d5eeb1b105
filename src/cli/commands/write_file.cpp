// --write-file FILE: stores all six thresholds of an exported calibration.
#include "cli/command.h"
#include "cli/command_json.h"

namespace cli {

extern const Command kWriteFileCommand;
const Command kWriteFileCommand{
    .name = "write-file",
    .help = QT_TRANSLATE_NOOP("CommandLine",
                              "Stores all six thresholds of a calibration exported from the "
                              "window (File > Export calibration...)."),
    .valueName = "FILE",
    .usesHistory = true,
    .run = [](const CommandRun& run) {
        commands::WriteRequest request = writeRequestFromFile(run.value);
        request.history = run.history;
        return commands::writeCommand(run.hid, request, run.realAccess);
    }};

}  // namespace cli

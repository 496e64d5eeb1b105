// --dump: the adaptor's memory as hex text.
#include "cli/command.h"

namespace cli {

extern const Command kDumpCommand;
const Command kDumpCommand{
    .name = "dump",
    .help =
        QT_TRANSLATE_NOOP("CommandLine", "Shows the adaptor's 128 bytes of memory as hex text."),
    .run = [](const CommandRun& run) { return commands::dumpCommand(run.hid, run.realAccess); }};

}  // namespace cli

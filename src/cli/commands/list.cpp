// --list: every adaptor present and whether this user may open it.
#include "cli/command.h"

namespace cli {

extern const Command kListCommand;
const Command kListCommand{
    .name = "list",
    .help = QT_TRANSLATE_NOOP("CommandLine",
                              "Lists each adaptor present: path, product, version, serial number "
                              "and whether this user may open it (if not: why)."),
    .run = [](const CommandRun& run) {
        return commands::listAdaptorsCommand(run.hid, run.realAccess);
    }};

}  // namespace cli

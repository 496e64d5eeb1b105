// --read [--json]: the adaptor's identity and thresholds; writes nothing.
#include "cli/command.h"
#include "cli/command_json.h"

namespace cli {
namespace {

constexpr CommandFlag kJson{"json",
                            QT_TRANSLATE_NOOP("CommandLine", "With --read: answers in JSON."),
                            QT_TRANSLATE_NOOP("CommandLine", "--json applies to --read only")};

commands::CommandOutput readAdaptor(const CommandRun& run) {
    const commands::ReadResult result = commands::readCommand(run.hid, run.realAccess);
    if (run.flags.contains(QLatin1String(kJson.name)) &&
        result.exitCode != commands::kExitNoAdaptor) {
        return {result.exitCode, readResultJson(result).toStdString(), result.error};
    }
    return commands::readOutput(result);
}

}  // namespace

extern const Command kReadCommand;
const Command kReadCommand{
    .name = "read",
    .help = QT_TRANSLATE_NOOP("CommandLine",
                              "Shows the adaptor's identity and its six stored thresholds; "
                              "writes nothing."),
    .flags = std::span(&kJson, 1),
    .run = readAdaptor};

}  // namespace cli

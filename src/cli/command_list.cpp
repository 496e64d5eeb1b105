#include "cli/command_list.h"

#include <array>

namespace cli {

// Each is defined in its own file under commands/.
extern const Command kListCommand;
extern const Command kReadCommand;
extern const Command kWriteCommand;
extern const Command kWriteFileCommand;
extern const Command kDumpCommand;
extern const Command kReportCommand;

std::span<const Command* const> commandList() {
    static constexpr std::array kCommands{&kListCommand,      &kReadCommand, &kWriteCommand,
                                          &kWriteFileCommand, &kDumpCommand, &kReportCommand};
    return kCommands;
}

}  // namespace cli

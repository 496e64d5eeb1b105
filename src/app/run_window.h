#pragma once

#include <QStringList>

#include "cli/command_line.h"

namespace app {

// Shows the calibration window as `launch` asks and runs it until it closes; gives the
// program's exit status. `arguments` are the program's own, for Qt's options.
int runWindow(int argc, char** argv, const QStringList& arguments,
              const cli::LaunchOptions& launch);

}  // namespace app

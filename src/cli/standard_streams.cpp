#include "cli/standard_streams.h"

#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/command_line.h"
#include "commands/exit_status.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cli {

void holdClosedStandardStreams() {
#ifdef Q_OS_UNIX
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // open() takes the lowest free number, which is this stream's.
            const int held = open("/dev/null", O_RDONLY);
            if (held >= 0 && held != stream) {
                close(held);
            }
        }
    }
#endif
}

int withOutputDelivered(int status) {
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::ferror(stdout) == 0) {
        return status;
    }
    std::fprintf(stderr, "%s: the output could not be written%s%s\n", kProgramName,
                 flushed ? "" : ": ", flushed ? "" : std::strerror(error));
    return status == commands::kExitOk ? commands::kExitFailed : status;
}

}  // namespace cli

#pragma once

// Standard output as a promise: what a command prints either arrives or the command
// fails, so a script never takes lost output for an answer.
namespace cli {

// A standard stream the program was started without (">&-") gets /dev/null opened for
// reading only. No file or adaptor node opened later takes its number, so nothing
// meant for the stream lands there, and writing to it still fails.
void holdClosedStandardStreams();

// `status`, unless what was written to standard output did not all arrive: then it
// says so on standard error and gives 1 (a file could not be written) in place of 0.
int withOutputDelivered(int status);

}  // namespace cli

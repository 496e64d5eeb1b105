#pragma once

#include <string>

#include "history/entry.h"

namespace history {

// Where the window reports what happened to the thresholds. The front end keeps the
// files; tests keep a list.
class Recorder {
  public:
    virtual ~Recorder() = default;
    // Appends `entry` to its adaptor's history, stamping it with the current time.
    // Gives a notice for the status line (a history that had to be set aside, or could
    // not be saved), or an empty text.
    virtual std::string record(Entry entry) = 0;
};

}  // namespace history

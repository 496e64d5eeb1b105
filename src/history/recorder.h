#pragma once

#include <string>

#include "history/entry.h"

namespace history {

// What became of an entry: whether it is kept, and a notice for the user (a history
// that had to be set aside, or could not be saved), or an empty text.
struct Recorded {
    bool saved = true;
    std::string notice;
};

// Where the window reports what happened to the thresholds. The front end keeps the
// files; tests keep a list.
class Recorder {
  public:
    virtual ~Recorder() = default;
    // Appends `entry` to its adaptor's history, stamping it with the current time.
    virtual Recorded record(Entry entry) = 0;
};

}  // namespace history

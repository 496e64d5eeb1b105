#include "assistant/assistant.h"

namespace assistant {

void Assistant::observe(Mode mode, Point point, std::optional<Gear> gear,
                        std::int64_t nowMilliseconds) {
    recording(mode).record(point);
    // A mode change is not a gear change at a boundary, and the flickers seen before it
    // belong to the other mode's plot.
    if (lastMode_ != mode) {
        flickers_.forget();
        lastMode_ = mode;
    }
    if (gear) {
        flickers_.observe(*gear, point, nowMilliseconds);
    }
}

}  // namespace assistant

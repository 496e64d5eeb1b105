#pragma once

#include <cstdint>
#include <optional>

#include "assistant/flicker.h"
#include "assistant/steps.h"
#include "events/window_events.h"
#include "protocol/gear.h"

namespace assistant {

// What the calibration assistant learns while it is open: the steps recorded in each
// mode and the flickers. It only watches the reports the window displays.
class Assistant : public events::WindowObserver {
  public:
    void reportShown(const events::ShownReport& report) override {
        observe(report.sequential ? Mode::Sequential : Mode::HPattern, {report.x, report.y},
                protocol::gearOf(report.gearMask), report.pollTime);
    }
    Recording& recording(Mode mode) { return recordings_[mode == Mode::Sequential ? 1 : 0]; }
    const Recording& recording(Mode mode) const {
        return recordings_[mode == Mode::Sequential ? 1 : 0];
    }
    FlickerCounter& flickers() { return flickers_; }

    // A displayed report: its mode, position, gear (none when the mask is unknown) and
    // the time it was shown.
    void observe(Mode mode, Point point, std::optional<Gear> gear, std::int64_t nowMilliseconds);

  private:
    Recording recordings_[2];
    FlickerCounter flickers_;
    std::optional<Mode> lastMode_;
};

}  // namespace assistant

#pragma once

#include <optional>
#include <string>

#include "events/window_events.h"
#include "history/entry.h"
#include "history/recorder.h"

namespace history {

// Watches the window for its calibration history: keeps what the adaptor held at this
// connection, and tells the recorder, if any, each read, store and restore.
class WindowRecorder : public events::WindowObserver {
  public:
    // Without a recorder nothing is kept but the connection's read.
    explicit WindowRecorder(Recorder* recorder = nullptr) : recorder_(recorder) {}

    std::string connected(const std::optional<events::Reading>& read) override;
    std::string thresholdsChanged(Event event, const Thresholds& values, bool accepted) override;

    // The connected adaptor and the thresholds it gave at this connection; empty when
    // they could not be read or the adaptor has no lever.
    const std::optional<Entry>& readAtConnection() const { return readAtConnection_; }

  private:
    Recorder* recorder_;
    std::optional<Entry> readAtConnection_;
};

}  // namespace history

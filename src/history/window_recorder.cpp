#include "history/window_recorder.h"

namespace history {

std::string WindowRecorder::connected(const std::optional<events::Reading>& read) {
    readAtConnection_.reset();
    if (!read) {
        return {};
    }
    readAtConnection_ = Entry{0, read->adaptor, Event::Read, read->values, true};
    return thresholdsChanged(Event::Read, read->values, true);
}

std::string WindowRecorder::thresholdsChanged(Event event, const Thresholds& values,
                                              bool accepted) {
    if (!readAtConnection_ || recorder_ == nullptr) {
        return {};
    }
    return recorder_->record(Entry{0, readAtConnection_->adaptor, event, values, accepted}).notice;
}

}  // namespace history

#include "window/status_line.h"

#include <utility>

namespace window {

void StatusLine::setCondition(Condition condition, std::string text) {
    std::string& current = conditions_[static_cast<std::size_t>(condition)];
    if (current == text) {
        return;  // the poll cycle restates its conditions every tick
    }
    current = std::move(text);
    refresh();
}

void StatusLine::clearCondition(Condition condition) {
    setCondition(condition, {});
}

bool StatusLine::hasCondition(Condition condition) const {
    return !conditions_[static_cast<std::size_t>(condition)].empty();
}

bool StatusLine::shows(Condition condition) const {
    return shown_ == condition;
}

void StatusLine::notify(std::string text, int milliseconds) {
    notice_ = std::move(text);
    noticeLeft_ = milliseconds;
    refresh();
}

void StatusLine::elapse(int milliseconds) {
    if (notice_.empty()) {
        return;
    }
    noticeLeft_ -= milliseconds;
    if (noticeLeft_ <= 0) {
        notice_.clear();
        refresh();
    }
}

void StatusLine::refresh() {
    const std::string* shown = notice_.empty() ? nullptr : &notice_;
    shown_.reset();
    for (std::size_t i = 0; i < conditions_.size(); ++i) {
        if (shown == nullptr && !conditions_[i].empty()) {
            shown = &conditions_[i];
            shown_ = static_cast<Condition>(i);
        }
    }
    label_.Caption = shown == nullptr ? std::string() : *shown;
    label_.Visible = shown != nullptr;
    ++revision_;
}

}  // namespace window

#include "monitor/typing_run.h"

namespace monitor {

void TypingRun::settle() {
    settled_.reset();
    accepted_.clear();
}

void TypingRun::start(Shown settled) {
    settled_ = settled;
}

void TypingRun::accept(std::string_view text, Shown shown) {
    // The same text taken again, as every report does while nobody types, replaces the
    // newest entry's value: no older text is a prefix of it.
    if (!accepted_.empty() && accepted_.back().text == text) {
        accepted_.back().shown = shown;
        return;
    }
    // A text that the new one extends can never be the one to go back to: whatever
    // extends the new text extends it too. This also drops the same text taken again.
    std::erase_if(accepted_,
                  [text](const Accepted& older) { return text.starts_with(older.text); });
    if (accepted_.size() == kMaxAccepted) {
        accepted_.erase(accepted_.begin());
    }
    accepted_.push_back({std::string(text), shown});
}

bool TypingRun::shows(std::string_view text, Shown shown) const {
    return !accepted_.empty() && accepted_.back().text == text &&
           accepted_.back().shown.threshold == shown.threshold &&
           accepted_.back().shown.line == shown.line;
}

std::optional<TypingRun::Shown> TypingRun::refuse(std::string_view text) const {
    if (accepted_.empty() || !text.starts_with(accepted_.back().text)) {
        return std::nullopt;
    }
    for (auto older = accepted_.rbegin(); older != accepted_.rend(); ++older) {
        if (!text.starts_with(older->text)) {
            return older->shown;
        }
    }
    return settled_;
}

}  // namespace monitor

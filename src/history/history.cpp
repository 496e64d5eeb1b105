#include "history/history.h"

#include <utility>

namespace history {

bool repeatsRead(const Entry& newest, const Entry& entry) {
    return entry.event == Event::Read && newest.event == Event::Read &&
           newest.adaptor == entry.adaptor && newest.values == entry.values &&
           newest.accepted == entry.accepted;
}

History::History(std::vector<Entry> entries) : entries_(std::move(entries)) {
    dropOldest();
}

bool History::add(const Entry& entry) {
    if (!entries_.empty() && repeatsRead(entries_.back(), entry)) {
        return false;
    }
    entries_.push_back(entry);
    dropOldest();
    return true;
}

void History::dropOldest() {
    if (entries_.size() > kMaxEntries) {
        entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(
                                                                entries_.size() - kMaxEntries));
    }
}

}  // namespace history

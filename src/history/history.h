#pragma once

#include <cstddef>
#include <vector>

#include "history/entry.h"

namespace history {

// The calibrations one adaptor went through, oldest first, bounded to the newest
// kMaxEntries. A read identical to the newest entry adds nothing: reconnecting an
// adaptor whose thresholds did not change leaves one entry, with the first read's time.
class History {
  public:
    static constexpr std::size_t kMaxEntries = 500;

    History() = default;
    // Keeps the newest kMaxEntries of `entries` (oldest first).
    explicit History(std::vector<Entry> entries);

    // False when `entry` repeated the newest read and nothing changed.
    bool add(const Entry& entry);
    const std::vector<Entry>& entries() const { return entries_; }

  private:
    void dropOldest();

    std::vector<Entry> entries_;
};

// A read that repeats `newest`: same adaptor, same values, both reads, both complete.
bool repeatsRead(const Entry& newest, const Entry& entry);

}  // namespace history

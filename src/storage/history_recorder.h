#pragma once

#include <QSet>
#include <QString>
#include <cstdint>
#include <functional>

#include "history/recorder.h"
#include "storage/history_store.h"

namespace storage {

// Appends what the window reports to the adaptor's history file, stamped with the
// time. Each trouble with a file is told once per run.
class HistoryRecorder : public history::Recorder {
  public:
    using Clock = std::function<std::int64_t()>;  // milliseconds since 1970 UTC

    explicit HistoryRecorder(HistoryStore store, Clock clock = currentTime);
    history::Recorded record(history::Entry entry) override;

    const HistoryStore& store() const { return store_; }
    static std::int64_t currentTime();

  private:
    HistoryStore store_;
    Clock clock_;
    QSet<QString> toldAbout_;
};

}  // namespace storage

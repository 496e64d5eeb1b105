#include "storage/history_recorder.h"

#include <QDateTime>
#include <utility>

namespace storage {

HistoryRecorder::HistoryRecorder(HistoryStore store, Clock clock)
    : store_(std::move(store)), clock_(std::move(clock)) {}

std::int64_t HistoryRecorder::currentTime() {
    return QDateTime::currentMSecsSinceEpoch();
}

history::Recorded HistoryRecorder::record(history::Entry entry) {
    entry.time = clock_();
    // A repeated read changes nothing and leaves the file alone.
    const HistoryStore::Updated updated =
        store_.update(entry.adaptor, [&](history::History& kept) { return kept.add(entry); });
    const QString path = store_.pathFor(entry.adaptor);
    if (updated.notice.isEmpty() || toldAbout_.contains(path)) {
        return {updated.saved, {}};
    }
    toldAbout_.insert(path);
    return {updated.saved, updated.notice.toStdString()};
}

}  // namespace storage

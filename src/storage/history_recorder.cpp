#include "storage/history_recorder.h"

#include <QDateTime>
#include <utility>

namespace storage {

HistoryRecorder::HistoryRecorder(HistoryStore store, Clock clock)
    : store_(std::move(store)), clock_(std::move(clock)) {}

std::int64_t HistoryRecorder::currentTime() {
    return QDateTime::currentMSecsSinceEpoch();
}

std::string HistoryRecorder::record(history::Entry entry) {
    entry.time = clock_();
    HistoryStore::Loaded loaded = store_.load(entry.adaptor);
    QString notice = loaded.notice;
    // A repeated read changes nothing and leaves the file alone.
    if (loaded.history && loaded.history->add(entry)) {
        QString error;
        if (!store_.save(entry.adaptor, *loaded.history, error) && notice.isEmpty()) {
            notice = QStringLiteral("The calibration history could not be saved: %1").arg(error);
        }
    }
    const QString path = store_.pathFor(entry.adaptor);
    if (notice.isEmpty() || toldAbout_.contains(path)) {
        return {};
    }
    toldAbout_.insert(path);
    return notice.toStdString();
}

}  // namespace storage

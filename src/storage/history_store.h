#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "history/history.h"

// The history files: one human-readable JSON file per adaptor, named by product and
// serial number, in one folder (the user's data folder unless told otherwise).
namespace storage {

inline constexpr const char* kHistoryFormat = "shifter-calibration history";
inline constexpr int kHistoryFormatVersion = 1;

QByteArray historyJson(const history::History& kept);
// Nothing when `json` is not a history of this format with every entry well formed.
std::optional<history::History> historyFromJson(const QByteArray& json);

class HistoryStore {
  public:
    explicit HistoryStore(QString folder);
    // The user's data folder for this program (QStandardPaths::AppDataLocation).
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    // history-10A0-KV-0001234.json; characters other than letters, digits, '-', '_' and
    // '.' in the serial number become '_'.
    QString pathFor(const history::Identity& adaptor) const;

    struct Loaded {
        // Empty when the file can neither be read nor moved aside: nothing may replace it.
        std::optional<history::History> history;
        // Says what happened to a file that could not be read; empty otherwise.
        QString notice;
    };
    // The adaptor's history. A file that cannot be read is renamed aside, never
    // overwritten nor deleted, and a new history starts.
    Loaded load(const history::Identity& adaptor) const;
    // Replaces the adaptor's file atomically; false with `error` set when it could not.
    bool save(const history::Identity& adaptor, const history::History& kept, QString& error) const;

  private:
    QString folder_;
};

}  // namespace storage

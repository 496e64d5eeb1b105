#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

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
    // The user's data folder for this program (storage::dataFolder); empty when there is none.
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    // history-10A0-KV-0001234.json; characters other than letters, digits, '-', '_' and
    // '.' in the serial number become '_'.
    QString pathFor(const history::Identity& adaptor) const;

    struct Loaded {
        // Empty when the file could not be read.
        std::optional<history::History> history;
        // Says why a file could not be read; empty otherwise.
        QString notice;
        // What the file holds is not a history of ours (as opposed to a file the system
        // could not read).
        bool damaged = false;
    };
    // The adaptor's history as it is on the disk. Changes nothing: a damaged file is
    // named, never moved.
    Loaded read(const history::Identity& adaptor) const;

    // The adaptors whose histories the folder holds, as each history's newest entry names
    // its adaptor, in the order of the files' names; a file that cannot be read or holds
    // no entry is left out.
    std::vector<history::Identity> knownAdaptors() const;

    struct Updated {
        bool saved = false;  // the history on the disk holds the change, or needed none
        QString notice;      // what happened to a damaged file, or why nothing was saved
    };
    // Changes the adaptor's history while holding its lock, so that programs storing at
    // the same time keep each other's entries. A file whose content does not parse is
    // renamed aside, never overwritten nor deleted, and a new history starts; a file
    // the system could not read is left alone and nothing is saved. `change` tells
    // whether it changed anything worth saving.
    Updated update(const history::Identity& adaptor,
                   const std::function<bool(history::History&)>& change) const;

  private:
    QString folder_;
};

}  // namespace storage

#include "storage/history_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <cstdio>
#include <utility>

#include "storage/atomic_file.h"
#include "storage/calibration_json.h"
#include "storage/data_folder.h"
#include "storage/file_lock.h"
#include "translation/translate.h"

namespace storage {
namespace {

// Far more than 500 entries take; a larger file is not one of ours.
constexpr qint64 kMaxHistoryBytes = 16 * 1024 * 1024;
// Another program stores for a few milliseconds; one that holds the lock this long is
// stuck, and waiting longer would only hang this one.
constexpr int kLockWaitMs = 10'000;

QString fileNamePart(const std::string& text) {
    QString part = QString::fromStdString(text).left(64);
    for (QChar& c : part) {
        const bool plain = (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-') ||
                           c == QLatin1Char('_') || c == QLatin1Char('.');
        if (!plain) {
            c = QLatin1Char('_');
        }
    }
    return part.isEmpty() ? QStringLiteral("no-serial") : part;
}

// A free name beside `path` for a file that could not be read.
QString asideName(const QString& path) {
    const QString stem = path + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = stem;
    for (int n = 2; QFileInfo::exists(candidate); ++n) {
        candidate = stem + QLatin1Char('-') + QString::number(n);
    }
    return candidate;
}

QString damaged(const QString& path) {
    return translation::translate("Storage", "The calibration history %1 is damaged").arg(path);
}

QString unreadable(const QString& error) {
    return translation::translate("Storage", "The calibration history cannot be read: %1")
        .arg(error);
}

// `problem` names the file it is about and says what is wrong with it.
QString notSaved(const QString& problem) {
    return translation::translate("Storage", "The calibration history could not be saved: %1")
        .arg(problem);
}

}  // namespace

QByteArray historyJson(const history::History& kept) {
    QJsonArray entries;
    for (const history::Entry& entry : kept.entries()) {
        entries.append(entryToJson(entry));
    }
    const QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kHistoryFormat)},
        {QStringLiteral("formatVersion"), kHistoryFormatVersion},
        {QStringLiteral("entries"), entries},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<history::History> historyFromJson(const QByteArray& json) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kHistoryFormat) ||
        root.value(QLatin1String("formatVersion")).toInt() != kHistoryFormatVersion ||
        !root.value(QLatin1String("entries")).isArray()) {
        return std::nullopt;
    }
    std::vector<history::Entry> entries;
    for (const QJsonValue& value : root.value(QLatin1String("entries")).toArray()) {
        std::optional<history::Entry> entry = entryFromJson(value);
        if (!entry) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return history::History(std::move(entries));
}

HistoryStore::HistoryStore(QString folder) : folder_(std::move(folder)) {}

QString HistoryStore::defaultFolder() {
    return dataFolder();
}

QString HistoryStore::pathFor(const history::Identity& adaptor) const {
    return folder_ + QStringLiteral("/history-") + hexText(adaptor.productId) + QLatin1Char('-') +
           fileNamePart(adaptor.serialNumber) + QStringLiteral(".json");
}

HistoryStore::Loaded HistoryStore::read(const history::Identity& adaptor) const {
    const QString path = pathFor(adaptor);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        return {history::History(), {}};
    }
    const FileBytes file = readSmallFile(path, kMaxHistoryBytes);
    if (!file.bytes) {
        if (file.tooLarge) {
            return {std::nullopt, damaged(path), true};
        }
        return {std::nullopt, unreadable(path + QStringLiteral(": ") + file.reason)};
    }
    if (auto kept = historyFromJson(*file.bytes)) {
        return {std::move(kept), {}};
    }
    return {std::nullopt, damaged(path), true};
}

std::vector<history::Identity> HistoryStore::knownAdaptors() const {
    std::vector<history::Identity> known;
    const QStringList files =
        QDir(folder_).entryList({QStringLiteral("history-*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const FileBytes file = readSmallFile(folder_ + QLatin1Char('/') + name, kMaxHistoryBytes);
        const std::optional<history::History> kept =
            file.bytes ? historyFromJson(*file.bytes) : std::nullopt;
        if (kept && !kept->entries().empty()) {
            known.push_back(kept->entries().back().adaptor);
        }
    }
    return known;
}

HistoryStore::Updated HistoryStore::update(
    const history::Identity& adaptor, const std::function<bool(history::History&)>& change) const {
    const QString path = pathFor(adaptor);
    QString error;
    if (!QDir().mkpath(folder_)) {
        return {false, notSaved(folder_ + translation::translate(
                                              "Storage", ": the folder cannot be created"))};
    }
    FileLock lock;
    if (lock.take(folder_ + QStringLiteral("/.history.lock"), kLockWaitMs, error) !=
        FileLock::Outcome::Taken) {
        return {false, notSaved(error)};
    }
    Loaded loaded = read(adaptor);
    QString notice;
    if (!loaded.history) {
        if (!loaded.damaged) {
            return {false, loaded.notice};
        }
        const QString aside = asideName(path);
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) !=
            0) {
            return {false, notSaved(path +
                                    translation::translate(
                                        "Storage", ": it is damaged and cannot be moved aside: ") +
                                    systemReason(errno))};
        }
        notice = translation::translate(
                     "Storage",
                     "The calibration history %1 was damaged; it was kept as %2 and a "
                     "new one started")
                     .arg(path, aside);
        loaded.history.emplace();
    }
    if (!change(*loaded.history)) {
        return {true, notice};
    }
    if (!writeFileAtomically(path, historyJson(*loaded.history), error)) {
        return {false, notSaved(error)};
    }
    return {true, notice};
}

}  // namespace storage

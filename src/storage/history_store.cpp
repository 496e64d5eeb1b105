#include "storage/history_store.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <utility>

#include "storage/atomic_file.h"
#include "storage/calibration_json.h"
#include "storage/data_folder.h"

namespace storage {
namespace {

// Far more than 500 entries take; a larger file is not one of ours.
constexpr qint64 kMaxHistoryBytes = 16 * 1024 * 1024;

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

HistoryStore::Loaded HistoryStore::load(const history::Identity& adaptor) const {
    const QString path = pathFor(adaptor);
    if (!QFileInfo::exists(path)) {
        return {history::History(), {}};
    }
    QString error;
    if (const auto json = readSmallFile(path, kMaxHistoryBytes, error)) {
        if (auto kept = historyFromJson(*json)) {
            return {std::move(kept), {}};
        }
    }
    const QString aside = asideName(path);
    if (!QFile::rename(path, aside)) {
        return {std::nullopt, QStringLiteral("The calibration history %1 cannot be read nor "
                                             "moved aside, so nothing is recorded in it")
                                  .arg(path)};
    }
    return {history::History(),
            QStringLiteral("The calibration history could not be read; it was kept as %1 and a "
                           "new one started")
                .arg(aside)};
}

bool HistoryStore::save(const history::Identity& adaptor, const history::History& kept,
                        QString& error) const {
    return writeFileAtomically(pathFor(adaptor), historyJson(kept), error);
}

}  // namespace storage

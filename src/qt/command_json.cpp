#include "qt/command_json.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "commands/command_text.h"

namespace qtui {
namespace {

constexpr int kValuesFormat = 1;
constexpr qint64 kFileLimit = 1 << 20;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

commands::ParsedAssignments failure(const QString& error) {
    commands::ParsedAssignments parsed;
    parsed.error = error.toStdString();
    return parsed;
}

// A value as the text --write would take, so that the same check refuses it by name.
std::string valueText(const QJsonValue& value) {
    if (value.isDouble()) {
        return QString::number(value.toDouble(), 'g', 17).toStdString();
    }
    if (value.isString()) {
        return '"' + value.toString().toStdString() + '"';
    }
    return "not a number";
}

}  // namespace

QByteArray readResultJson(const commands::ReadResult& result) {
    const commands::AdaptorIdentity& identity = result.identity;
    QJsonObject object{
        {QStringLiteral("path"), fromStd(identity.path)},
        {QStringLiteral("productId"), identity.productId},
        {QStringLiteral("product"), fromStd(commands::productName(identity.productId))},
        {QStringLiteral("manufacturer"), fromStd(identity.manufacturer)},
        {QStringLiteral("productName"), fromStd(identity.product)},
        {QStringLiteral("version"), fromStd(commands::versionNumberText(identity.versionNumber))},
        {QStringLiteral("serialNumber"), fromStd(identity.serialNumber)},
    };
    if (result.thresholds) {
        QJsonObject thresholds;
        for (const commands::SettingName& setting : commands::kSettingNames) {
            thresholds.insert(QLatin1String(setting.name), (*result.thresholds)[setting.address]);
        }
        object.insert(QStringLiteral("thresholds"), thresholds);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

commands::ParsedAssignments assignmentsFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    if (file.size() > kFileLimit) {
        return failure(QStringLiteral("%1 is too large to be a thresholds file").arg(path));
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return failure(
            QStringLiteral("%1 is not a JSON object (%2)").arg(path, parseError.errorString()));
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toInt(-1) != kValuesFormat ||
        !root.value(QStringLiteral("values")).isObject()) {
        return failure(QStringLiteral("%1 needs \"format\": 1 and a \"values\" object").arg(path));
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    const QJsonObject values = root.value(QStringLiteral("values")).toObject();
    for (auto value = values.begin(); value != values.end(); ++value) {
        pairs.emplace_back(value.key().toStdString(), valueText(value.value()));
    }
    return commands::checkAssignments(pairs);
}

}  // namespace qtui

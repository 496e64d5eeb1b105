#include "cli/command_json.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "commands/command_text.h"
#include "i18n/translate.h"
#include "storage/calibration_file.h"

namespace cli {
namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QByteArray readResultJson(const commands::ReadResult& result) {
    const i18n::EnglishScope english;  // JSON values are the same in every language
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
        for (const protocol::ThresholdFacts& setting : protocol::kThresholds) {
            thresholds.insert(QLatin1String(setting.name), (*result.thresholds)[setting.address]);
        }
        object.insert(QStringLiteral("thresholds"), thresholds);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

commands::WriteRequest writeRequestFromFile(const QString& path) {
    commands::WriteRequest request;
    const storage::ImportedCalibration imported = storage::readCalibrationFile(path);
    if (!imported.calibration) {
        // "The file PATH is ... ." reads on after "Nothing was sent: ".
        QString reason = imported.refusal;
        reason.chop(reason.endsWith(QLatin1Char('.')) ? 1 : 0);
        request.assignments.error = (reason.left(1).toLower() + reason.mid(1)).toStdString();
        return request;
    }
    for (const protocol::ThresholdFacts& setting : protocol::kThresholds) {
        request.assignments.assignments.push_back(
            {setting.address, imported.calibration->values[setting.address]});
    }
    request.madeForProduct = imported.calibration->adaptor.productId;
    return request;
}

}  // namespace cli

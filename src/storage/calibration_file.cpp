#include "storage/calibration_file.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include "storage/atomic_file.h"
#include "storage/calibration_json.h"

namespace storage {
namespace {

// An exported calibration takes a few hundred bytes.
constexpr qint64 kMaxCalibrationBytes = 64 * 1024;

ImportedCalibration refused(const QString& sentence) {
    return {std::nullopt, sentence};
}

}  // namespace

QByteArray calibrationJson(const Calibration& calibration, std::int64_t exportedAt) {
    const QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kCalibrationFormat)},
        {QStringLiteral("formatVersion"), kCalibrationFormatVersion},
        {QStringLiteral("exported"), timeStamp(exportedAt)},
        {QStringLiteral("adaptor"), identityToJson(calibration.adaptor)},
        {QStringLiteral("thresholds"), thresholdsToJson(calibration.values)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool writeCalibrationFile(const QString& path, const Calibration& calibration, QString& error) {
    return writeFileAtomically(
        path, calibrationJson(calibration, QDateTime::currentMSecsSinceEpoch()), error);
}

ImportedCalibration calibrationFromJson(const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return refused(QStringLiteral("The file is damaged or is not JSON (%1 at byte %2).")
                           .arg(parseError.errorString())
                           .arg(parseError.offset));
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kCalibrationFormat)) {
        return refused(QStringLiteral("The file is not a calibration exported by this program."));
    }
    const int version = root.value(QLatin1String("formatVersion")).toInt();
    if (version != kCalibrationFormatVersion) {
        return refused(QStringLiteral("The file has format version %1, which this version of the "
                                      "program cannot read.")
                           .arg(root.value(QLatin1String("formatVersion")).toVariant().toString()));
    }
    const auto adaptor = identityFromJson(root.value(QLatin1String("adaptor")));
    if (!adaptor) {
        return refused(QStringLiteral("The file is damaged: the adaptor it came from is missing."));
    }
    QString problem;
    const auto values = thresholdsFromJson(root.value(QLatin1String("thresholds")), problem);
    if (!values) {
        return refused(QStringLiteral("The file is refused: %1.").arg(problem));
    }
    return {Calibration{*adaptor, *values}, {}};
}

ImportedCalibration readCalibrationFile(const QString& path) {
    const FileBytes file = readSmallFile(path, kMaxCalibrationBytes);
    if (!file.bytes) {
        return refused(QStringLiteral("The file cannot be read: %1.").arg(file.error));
    }
    return calibrationFromJson(*file.bytes);
}

bool comesFromAnotherProduct(const Calibration& calibration, const history::Identity& connected) {
    return calibration.adaptor.productId != connected.productId;
}

}  // namespace storage

#include "storage/calibration_file.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include "storage/atomic_file.h"
#include "storage/calibration_json.h"
#include "translation/translate.h"

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

ImportedCalibration calibrationFromJson(const QByteArray& json, const QString& path) {
    // Each refusal names the file, so that a script's log or a dialog says which it was.
    const QString file =
        path.isEmpty()
            ? translation::translate("Storage", "The file")
            : translation::translate("Storage", "The file %1").arg(QDir::toNativeSeparators(path));
    if (json.trimmed().isEmpty()) {
        return refused(translation::translate("Storage", "%1 is empty.").arg(file));
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return refused(
            translation::translate("Storage", "%1 is damaged or is not JSON (%2 at byte %3).")
                .arg(file, parseError.errorString(), QString::number(parseError.offset)));
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kCalibrationFormat)) {
        return refused(
            translation::translate("Storage", "%1 is not a calibration exported by this program.")
                .arg(file));
    }
    const int version = root.value(QLatin1String("formatVersion")).toInt();
    if (version != kCalibrationFormatVersion) {
        return refused(
            translation::translate("Storage",
                                   "%1 has format version %2, which this version of the "
                                   "program cannot read.")
                .arg(file, root.value(QLatin1String("formatVersion")).toVariant().toString()));
    }
    const auto adaptor = identityFromJson(root.value(QLatin1String("adaptor")));
    if (!adaptor) {
        return refused(
            translation::translate("Storage", "%1 is damaged: the adaptor it came from is missing.")
                .arg(file));
    }
    QString problem;
    const auto values = thresholdsFromJson(root.value(QLatin1String("thresholds")), problem);
    if (!values) {
        return refused(translation::translate("Storage", "%1 is refused: %2.").arg(file, problem));
    }
    return {Calibration{*adaptor, *values}, {}};
}

ImportedCalibration readCalibrationFile(const QString& path) {
    const FileBytes file = readSmallFile(path, kMaxCalibrationBytes);
    if (!file.bytes) {
        return refused(translation::translate("Storage", "The file %1 cannot be read: %2.")
                           .arg(QDir::toNativeSeparators(path), file.reason));
    }
    return calibrationFromJson(*file.bytes, path);
}

bool comesFromAnotherProduct(const Calibration& calibration, const history::Identity& connected) {
    return calibration.adaptor.productId != connected.productId;
}

}  // namespace storage

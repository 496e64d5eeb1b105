#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "history/entry.h"

// An exported calibration: a small JSON file with the format and its version, the
// adaptor it came from and its six thresholds.
namespace storage {

inline constexpr const char* kCalibrationFormat = "shifter-calibration calibration";
inline constexpr int kCalibrationFormatVersion = 1;

struct Calibration {
    history::Identity adaptor;
    history::Thresholds values{};
};

QByteArray calibrationJson(const Calibration& calibration, std::int64_t exportedAt);
// Writes the file atomically; false with `error` set when it could not.
bool writeCalibrationFile(const QString& path, const Calibration& calibration, QString& error);

// A calibration read back, or the one sentence that says why the file is refused.
struct ImportedCalibration {
    std::optional<Calibration> calibration;
    QString refusal;
};
// `path` names the file in the refusal; without it the sentence says "The file".
ImportedCalibration calibrationFromJson(const QByteArray& json, const QString& path = {});
ImportedCalibration readCalibrationFile(const QString& path);

// The file was exported from another product than `connected`: ask before using it.
bool comesFromAnotherProduct(const Calibration& calibration, const history::Identity& connected);

}  // namespace storage

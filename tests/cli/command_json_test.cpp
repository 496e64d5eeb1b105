// The calibration files --write-file reads, and the JSON --read prints.
#include "cli/command_json.h"

#include <gtest/gtest.h>

#include <QDir>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "storage/calibration_file.h"

namespace {

// --write-file reads the calibration files the window exports.
class CalibrationFile : public ::testing::Test {
  protected:
    commands::WriteRequest requestFrom(const QByteArray& contents) const {
        const QString path = folder.filePath(QStringLiteral("calibration.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();
        return cli::writeRequestFromFile(path);
    }
    QTemporaryDir folder;
};

TEST_F(CalibrationFile, AnExportedCalibrationGivesAllSixForItsProduct) {
    const storage::Calibration exported{{protocol::kMirad, "Mirad shifter", "M-1", 0x0105},
                                        {81, 176, 71, 186, 76, 181}};
    const commands::WriteRequest request = requestFrom(storage::calibrationJson(exported, 0));
    ASSERT_EQ(request.assignments.error, "");
    EXPECT_EQ(request.madeForProduct, protocol::kMirad);
    ASSERT_EQ(request.assignments.assignments.size(), protocol::kSettingCount);
    for (const commands::Assignment& assignment : request.assignments.assignments) {
        EXPECT_EQ(assignment.value, exported.values[assignment.address]) << int{assignment.address};
    }
}

TEST_F(CalibrationFile, ARefusedFileSaysWhyAndHoldsNothingToSend) {
    for (const QByteArray& contents :
         {QByteArray(R"({"format": 1, "values": {"V1": 1}})"), QByteArray("[1, 2]"),
          QByteArray("{\"format\": 1,"), QByteArray()}) {
        SCOPED_TRACE(contents.toStdString());
        const commands::WriteRequest request = requestFrom(contents);
        EXPECT_NE(request.assignments.error, "");
        EXPECT_TRUE(request.assignments.assignments.empty());
        EXPECT_FALSE(request.madeForProduct.has_value());
    }
    // Files are named as the system writes paths.
    const auto shown = [&](const char* name) {
        return QDir::toNativeSeparators(folder.filePath(QLatin1String(name))).toStdString();
    };
    EXPECT_EQ(
        requestFrom(R"({"format": 1})").assignments.error,
        "the file " + shown("calibration.json") + " is not a calibration exported by this program");
    const QString missing = folder.filePath(QStringLiteral("missing.json"));
    EXPECT_EQ(cli::writeRequestFromFile(missing).assignments.error.rfind(
                  "the file " + shown("missing.json") + " cannot be read: ", 0),
              0u);
}

TEST(ReadJson, HoldsIdentityAndThresholdsByName) {
    commands::ReadResult result;
    result.identity = {"/dev/hidraw3", protocol::kKelvo, 0x0105,
                       "Corvane",      "Kelvo shifter",  "KV-1"};
    result.thresholds = commands::Thresholds{80, 175, 70, 185, 75, 180};
    const QJsonObject object = QJsonDocument::fromJson(cli::readResultJson(result)).object();
    EXPECT_EQ(object.value(QStringLiteral("path")).toString(), QStringLiteral("/dev/hidraw3"));
    EXPECT_EQ(object.value(QStringLiteral("productId")).toInt(), 0x10A0);
    EXPECT_EQ(object.value(QStringLiteral("version")).toString(), QStringLiteral("1.5"));
    const QJsonObject thresholds = object.value(QStringLiteral("thresholds")).toObject();
    EXPECT_EQ(thresholds.value(QStringLiteral("H1")).toInt(), 185);
    EXPECT_EQ(thresholds.value(QStringLiteral("SeqH2")).toInt(), 75);

    result.thresholds.reset();  // the loader has none
    EXPECT_FALSE(QJsonDocument::fromJson(cli::readResultJson(result))
                     .object()
                     .contains(QStringLiteral("thresholds")));
}

}  // namespace

// Files of thresholds for --write-file, and the JSON --read prints.
#include "qt/command_json.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

class ValuesFile : public ::testing::Test {
  protected:
    commands::ParsedAssignments parseFile(const QByteArray& contents) const {
        const QString path = folder.filePath(QStringLiteral("values.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();
        return qtui::assignmentsFromFile(path);
    }
    QTemporaryDir folder;
};

TEST_F(ValuesFile, TakesTheValuesOfFormatOne) {
    const commands::ParsedAssignments parsed =
        parseFile(R"({"format": 1, "values": {"V1": 80, "seqh2": 75.0}})");
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.assignments.size(), 2u);
    EXPECT_EQ(parsed.assignments[0].address, protocol::kAddressV1);
    EXPECT_EQ(parsed.assignments[0].value, 80);
    EXPECT_EQ(parsed.assignments[1].address, protocol::kAddressSeqH2);
    EXPECT_EQ(parsed.assignments[1].value, 75);
}

TEST_F(ValuesFile, RefusesWhatIsNotAWholeFileOfGoodValues) {
    const std::pair<QByteArray, std::string> cases[] = {
        {R"({"format": 1, "values": {"V1": 80.5}})",
         "threshold V1 needs a whole number from 0 to 255, not '80.5'"},
        {R"({"format": 1, "values": {"V1": "80"}})",
         "threshold V1 needs a whole number from 0 to 255, not '\"80\"'"},
        {R"({"format": 1, "values": {"V1": null}})",
         "threshold V1 needs a whole number from 0 to 255, not 'not a number'"},
        {R"({"format": 1, "values": {"V9": 1}})",
         "unknown threshold 'V9'; use V1, V2, H1, H2, SEQH1, SEQH2"},
        {R"({"format": 1, "values": {}})",
         "no threshold given; use names V1, V2, H1, H2, SEQH1, SEQH2"},
    };
    for (const auto& [contents, error] : cases) {
        SCOPED_TRACE(contents.toStdString());
        const commands::ParsedAssignments parsed = parseFile(contents);
        EXPECT_EQ(parsed.error, error);
        EXPECT_TRUE(parsed.assignments.empty());
    }
    for (const QByteArray& contents :
         {QByteArray(R"({"format": 2, "values": {"V1": 1}})"), QByteArray(R"({"values": {}})"),
          QByteArray("[1, 2]"), QByteArray("{\"format\": 1,"), QByteArray()}) {
        SCOPED_TRACE(contents.toStdString());
        EXPECT_NE(parseFile(contents).error, "");
    }
    EXPECT_EQ(qtui::assignmentsFromFile(folder.filePath(QStringLiteral("missing.json")))
                  .error.rfind("cannot read ", 0),
              0u);
}

TEST(ReadJson, HoldsIdentityAndThresholdsByName) {
    commands::ReadResult result;
    result.identity = {"/dev/hidraw3", protocol::kKelvo, 0x0105,
                       "Corvane",      "Kelvo shifter",  "KV-1"};
    result.thresholds = commands::Thresholds{80, 175, 70, 185, 75, 180};
    const QJsonObject object = QJsonDocument::fromJson(qtui::readResultJson(result)).object();
    EXPECT_EQ(object.value(QStringLiteral("path")).toString(), QStringLiteral("/dev/hidraw3"));
    EXPECT_EQ(object.value(QStringLiteral("productId")).toInt(), 0x10A0);
    EXPECT_EQ(object.value(QStringLiteral("version")).toString(), QStringLiteral("1.5"));
    const QJsonObject thresholds = object.value(QStringLiteral("thresholds")).toObject();
    EXPECT_EQ(thresholds.value(QStringLiteral("H1")).toInt(), 185);
    EXPECT_EQ(thresholds.value(QStringLiteral("SEQH2")).toInt(), 75);

    result.thresholds.reset();  // the loader has none
    EXPECT_FALSE(QJsonDocument::fromJson(qtui::readResultJson(result))
                     .object()
                     .contains(QStringLiteral("thresholds")));
}

}  // namespace
